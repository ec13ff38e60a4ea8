#include "app/runtime/RunError.h"
#include "rules/Outcome.h"
#include "rules/Payout.h"
#include "rules/ReelSpin.h"
#include "support/MemoryCaptions.h"
#include "support/ScriptedRandom.h"

#include <QTest>

#include <map>

using quorvex::outcomes;

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
    int comment;
    int triples;
};

const std::map<QString, Expected> expectedByClass{
    {"nothing", {{0}, 0, 0, 504}},
    {"pair", {{5}, 10, 5, 216}},
    {"three of a kind", {{4}, 100, 4, 9}},
    {"one seven", {{1}, 10, 1, 216}},
    {"one seven and a pair", {{1, 5}, 10, 5, 27}},
    {"two sevens", {{2}, 100, 2, 27}},
    {"three sevens", {{3}, 1000, 3, 1}},
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
                if (quorvex::outcomeHolds(kind, reelsOf(a, b, c)))
                    holding << kind;
            QVERIFY2(holding == expected.kinds, qPrintable(tag));

            MemoryCaptions captions("1000", std::to_string(stake));
            ScriptedRandom random = ScriptedRandom::forDigits({a, b, c});
            quorvex::ReelSpin spin;
            spin.spin(captions, random);
            const int credited = std::stoi(captions.money()) - 1000;
            QVERIFY2(credited == expected.credit * stake, qPrintable(tag));
            QVERIFY2(captions.comment() == outcomes[expected.comment].comment, qPrintable(tag));
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
        QCOMPARE(q(captions.comment()), QString(quorvex::noBetHint));
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
        QCOMPARE(q(captions.comment()), QString(quorvex::noBetHint));
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

    void corruptStakeIsATypeMismatch() {
        MemoryCaptions captions("1000", "x");
        ScriptedRandom random = ScriptedRandom::forDigits({1, 2, 3});
        quorvex::ReelSpin spin;
        try {
            spin.spin(captions, random);
            QFAIL("no error raised");
        } catch (const rt::RunError& error) {
            QCOMPARE(error.number(), int(rt::RunError::TypeMismatch));
            QCOMPARE(q(error.description()), QString("Type mismatch"));
        }
        QVERIFY(captions.writes.empty());
    }
};

QTEST_GUILESS_MAIN(TestSpin)
#include "tst_spin.moc"
