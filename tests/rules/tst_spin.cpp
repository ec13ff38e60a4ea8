#include "rules/Outcome.h"
#include "rules/Payout.h"
#include "rules/ReelSpin.h"
#include "runtime/RunError.h"
#include "support/MemoryCaptions.h"
#include "support/ScriptedRandom.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <map>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The outcome class of three digits, named as a player would.
QString classOf(int a, int b, int c) {
    const int sevens = (a == 7) + (b == 7) + (c == 7);
    if (sevens == 3)
        return "three sevens";
    if (sevens == 2)
        return "two sevens";
    const bool pair = a == b || b == c || a == c;
    if (sevens == 1)
        return pair ? "one seven and a pair" : "one seven";
    if (a == b && b == c)
        return "three of a kind";
    return pair ? "pair" : "nothing";
}

struct Expected {
    QList<int> kinds;
    int credit; // times the stake
    const char* comment;
    int triples;
};

const char* const pairMessage = "You got a pair! You got ten times your bid!";

const std::map<QString, Expected> expectedByClass{
    {"nothing", {{0}, 0, "Sorry, try again! You didn't get anything.", 504}},
    {"pair", {{5}, 10, pairMessage, 216}},
    {"three of a kind",
     {{4}, 100, "Great! You got a three of a kind! You got a hundred times your bid!", 9}},
    {"one seven", {{1}, 10, "One seven! You got ten times your bid.", 216}},
    {"one seven and a pair", {{1, 5}, 10, pairMessage, 27}},
    {"two sevens", {{2}, 100, "A pair of sevens! You got a hundred times your bid!", 27}},
    {"three sevens",
     {{3}, 1000, "You won the jackpot! Boy, are you lucky! You got a thousand times your bid!", 1}},
};

quorvex::Reels reelsOf(int a, int b, int c) {
    return {rt::Variant(std::to_string(a)), rt::Variant(std::to_string(b)),
            static_cast<std::int16_t>(c)};
}

} // namespace

class TestSpin : public QObject {
    Q_OBJECT

private slots:
    void everyTripleFollowsItsClass() {
        constexpr int stake = 3;
        std::map<QString, int> triplesSeen;
        long long totalCredit = 0;
        for (int triple = 0; triple < 1000; ++triple) {
            const int a = triple / 100, b = triple / 10 % 10, c = triple % 10;
            const QString name = classOf(a, b, c);
            const Expected& expected = expectedByClass.at(name);
            const QString tag = QString("%1%2%3 (%4)").arg(a).arg(b).arg(c).arg(name);

            QList<int> holding;
            for (std::int16_t kind = 0; kind < quorvex::outcomeKinds; ++kind)
                if (quorvex::outcomeHolds(kind, quorvex::compareReels(reelsOf(a, b, c))))
                    holding << kind;
            QVERIFY2(holding == expected.kinds, qPrintable(tag));

            MemoryCaptions captions("1000", std::to_string(stake));
            ScriptedRandom random = ScriptedRandom::forDigits({a, b, c});
            quorvex::ReelSpin spin;
            spin.spin(captions, random);
            const int credited = std::stoi(captions.money()) - 1000;
            QVERIFY2(credited == expected.credit * stake, qPrintable(tag));
            QVERIFY2(captions.comment() == expected.comment, qPrintable(tag));
            QVERIFY2(captions.amt() == "0", qPrintable(tag));
            QVERIFY2(captions.reelsShown() == tag.left(3).toStdString(), qPrintable(tag));
            QVERIFY2(int(captions.writesTo("Amt")) == expected.kinds.size(), qPrintable(tag));
            ++triplesSeen[name];
            totalCredit += credited;
        }
        for (const auto& [name, expected] : expectedByClass)
            QVERIFY2(triplesSeen[name] == expected.triples, qPrintable(name));
        QCOMPARE(totalCredit, 9190LL * stake);
    }

    void zeroStakeRefusesWithoutDrawing() {
        MemoryCaptions captions("1000", "0");
        captions.setReelCaption(0, "4");
        captions.writes.clear();
        ScriptedRandom random = ScriptedRandom::forDigits({7, 7, 7});
        quorvex::ReelSpin spin;
        spin.spin(captions, random);
        QCOMPARE(q(captions.comment()), QString("If you don't bet, you can't win."));
        QCOMPARE(random.drawn(), std::size_t{0});
        QCOMPARE(q(captions.reelsShown()), QString("400"));
        QCOMPARE(q(captions.money()), QString("1000"));
        QCOMPARE(captions.writes.size(), std::size_t{1});
        QVERIFY(spin.reels().reel0.isEmpty());
    }

    void secondSpinWithoutStakeRefuses() {
        MemoryCaptions captions("0", "10");
        ScriptedRandom random = ScriptedRandom::forDigits({7, 1, 2, 7, 7, 7});
        quorvex::ReelSpin spin;
        spin.spin(captions, random);
        QCOMPARE(q(captions.money()), QString("100"));
        spin.spin(captions, random);
        QCOMPARE(q(captions.comment()), QString("If you don't bet, you can't win."));
        QCOMPARE(q(captions.reelsShown()), QString("712"));
        QCOMPARE(random.drawn(), std::size_t{3});
    }

    void drawOrderAndDigitEdges() {
        MemoryCaptions captions("0", "1");
        // The largest value below one must still read 9; zero reads 0.
        ScriptedRandom random({0.0f, 0.99999994f, 0.5f});
        quorvex::ReelSpin spin;
        spin.spin(captions, random);
        QCOMPARE(q(captions.reelsShown()), QString("095"));
        QCOMPARE(q(captions.writes[0].control), QString("Digit0"));
        QCOMPARE(q(captions.writes[2].control), QString("Digit2"));
        QVERIFY(spin.reels().reel0 == rt::Variant("0"));
        QVERIFY(spin.reels().reel1 == rt::Variant("9"));
        QCOMPARE(int(spin.reels().reel2), 5);
    }

    // 10 x r is taken exactly: rounding it to single precision first would turn the first two
    // values into 7 and 9.
    void drawTakesTheExactProduct_data() {
        QTest::addColumn<int>("reel");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("shown");
        const QList<std::pair<float, const char*>> edges{
            {0.0f, "0"}, {0.699999988f, "6"}, {0.899999976f, "8"}, {0.99999994f, "9"}};
        for (int reel = 0; reel < 3; ++reel)
            for (const auto& [value, digit] : edges)
                QTest::addRow("Digit(%d), %.9g", reel, double(value)) << reel << value << digit;
    }
    void drawTakesTheExactProduct() {
        QFETCH(int, reel);
        QFETCH(float, value);
        QFETCH(QString, shown);
        std::vector<float> script{0.25f, 0.25f, 0.25f}; // the other reels read 2
        script[static_cast<std::size_t>(reel)] = value;
        MemoryCaptions captions("0", "1");
        ScriptedRandom random(script);
        quorvex::ReelSpin spin;
        spin.spin(captions, random);
        QString expected = "222";
        expected[reel] = shown[0];
        QCOMPARE(q(captions.reelsShown()), expected);
    }

    void corruptStakeIsATypeMismatch() {
        MemoryCaptions captions("1000", "x");
        ScriptedRandom random = ScriptedRandom::forDigits({1, 2, 3});
        quorvex::ReelSpin spin;
        try {
            spin.spin(captions, random);
            QFAIL("no error raised");
        } catch (const rt::RunError& error) {
            QCOMPARE(error.number(), 13);
            QCOMPARE(q(error.description()), QString("Type mismatch"));
        }
        QVERIFY(captions.writes.empty());
    }
};

QUORVEX_SUITE_MAIN(TestSpin, Core)
#include "tst_spin.moc"
