#include "rules/MoneyCheck.h"
#include "rules/Payout.h"
#include "rules/Staking.h"
#include "runtime/ProgramEnd.h"
#include "runtime/RunError.h"
#include "support/MemoryCaptions.h"
#include "support/RecordingMessages.h"
#include "support/SuiteMain.h"

#include <QTest>

using quorvex::Label;

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

class TestAmounts : public QObject {
    Q_OBJECT

private slots:
    void staking_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QList<int>>("chips");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::newRow("whole bankroll on chip 3") << "1000"
                                                  << "0" << QList<int>{3} << "0"
                                                  << "1000";
        QTest::newRow("nothing left for chip 0") << "1000"
                                                 << "0" << QList<int>{3, 0} << "0"
                                                 << "1000";
        QTest::newRow("chip worth more is refused") << "5"
                                                    << "0" << QList<int>{1} << "5"
                                                    << "0";
        QTest::newRow("refused then smaller chip") << "5"
                                                   << "0" << QList<int>{1, 0} << "4"
                                                   << "1";
        QTest::newRow("second chip 2 refused") << "150"
                                               << "0" << QList<int>{2, 2} << "50"
                                               << "100";
        QTest::newRow("presses add up") << "1000"
                                        << "0" << QList<int>{0, 0, 0} << "997"
                                        << "3";
        QTest::newRow("stake already riding") << "500"
                                              << "20" << QList<int>{2} << "400"
                                              << "120";
        QTest::newRow("largest chip") << "999999999999"
                                      << "0" << QList<int>{11} << "899999999999"
                                      << "100000000000";
    }
    void staking() {
        QFETCH(QString, bankroll);
        QFETCH(QString, stake);
        QFETCH(QList<int>, chips);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        MemoryCaptions captions(bankroll.toStdString(), stake.toStdString());
        for (int chip : chips)
            quorvex::stakeChip(captions, static_cast<std::int16_t>(chip));
        QCOMPARE(q(captions.money()), bankrollAfter);
        QCOMPARE(q(captions.amt()), stakeAfter);
    }

    void bankrollIsWrittenBeforeStake() {
        MemoryCaptions captions("1000", "0");
        quorvex::stakeChip(captions, 2);
        QCOMPARE(captions.writes.size(), std::size_t{2});
        QCOMPARE(q(captions.writes[0].control), QString("Money"));
        QCOMPARE(q(captions.writes[1].control), QString("Amt"));
    }

    void moneycheck_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("message"); // empty: the game goes on
        const QString broke = "You're broke!";
        const QString rich = "You have all the money in the world, there isn't any more. Sorry.";
        QTest::newRow("Bet, empty bankroll") << 0 << "0" << broke;
        QTest::newRow("Bet, below zero") << 0 << "-1" << broke;
        QTest::newRow("Bet, one dollar") << 0 << "1"
                                         << "";
        QTest::newRow("Done, empty bankroll is allowed") << 1 << "0"
                                                         << "";
        QTest::newRow("Bet, exactly the limit") << 0 << "1000000000000" << rich;
        QTest::newRow("Done, exactly the limit") << 1 << "1000000000000" << rich;
        QTest::newRow("Bet, one dollar below the limit") << 0 << "999999999999"
                                                         << "";
        QTest::newRow("Done, one dollar below the limit") << 1 << "999999999999"
                                                          << "";
        QTest::newRow("Bet, far above the limit") << 0 << "5000000000000000" << rich;
    }
    void moneycheck() {
        QFETCH(int, kind);
        QFETCH(QString, bankroll);
        QFETCH(QString, message);
        MemoryCaptions captions(bankroll.toStdString(), "7");
        RecordingMessages messages;
        bool ended = false;
        try {
            quorvex::moneycheck(captions, messages, rt::Variant(static_cast<std::int16_t>(kind)));
        } catch (const rt::ProgramEnd&) {
            ended = true;
        }
        QCOMPARE(ended, !message.isEmpty());
        QCOMPARE(messages.shown.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QCOMPARE(q(messages.shown.front()), message);
        QCOMPARE(q(captions.money()), bankroll);
        QVERIFY(captions.writes.empty());
    }

    void eval_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<int>("moneyWrites");
        const QString nothing = "Sorry, try again! You didn't get anything.";
        const QString oneSeven = "One seven! You got ten times your bid.";
        const QString sevens = "A pair of sevens! You got a hundred times your bid!";
        const QString jackpot =
            "You won the jackpot! Boy, are you lucky! You got a thousand times your bid!";
        const QString threeOfAKind =
            "Great! You got a three of a kind! You got a hundred times your bid!";
        const QString pair = "You got a pair! You got ten times your bid!";
        QTest::newRow("nothing: stake lost") << 0 << "100"
                                             << "900"
                                             << "900" << nothing << "0" << 0;
        QTest::newRow("one seven") << 1 << "100"
                                   << "0"
                                   << "1000" << oneSeven << "0" << 1;
        QTest::newRow("pair of sevens") << 2 << "3"
                                        << "10"
                                        << "310" << sevens << "0" << 1;
        QTest::newRow("jackpot") << 3 << "5"
                                 << "995"
                                 << "5995" << jackpot << "0" << 1;
        QTest::newRow("three of a kind") << 4 << "7"
                                         << "0"
                                         << "700" << threeOfAKind << "0" << 1;
        QTest::newRow("pair after a seven, no stake") << 5 << "0"
                                                      << "1010"
                                                      << "1010" << pair << "0" << 1;
        QTest::newRow("largest payout") << 3 << "999999999999"
                                        << "0"
                                        << "999999999999000" << jackpot << "0" << 1;
        QTest::newRow("unknown kind changes nothing") << 6 << "100"
                                                      << "900"
                                                      << "900"
                                                      << "Comments"
                                                      << "100" << 0;
        QTest::newRow("negative kind changes nothing") << -1 << "100"
                                                       << "900"
                                                       << "900"
                                                       << "Comments"
                                                       << "100" << 0;
    }
    void eval() {
        QFETCH(int, kind);
        QFETCH(QString, stake);
        QFETCH(QString, bankroll);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, comment);
        QFETCH(QString, stakeAfter);
        QFETCH(int, moneyWrites);
        MemoryCaptions captions(bankroll.toStdString(), stake.toStdString());
        quorvex::eval(captions, rt::Variant(static_cast<std::int16_t>(kind)));
        QCOMPARE(q(captions.money()), bankrollAfter);
        QCOMPARE(q(captions.comment()), comment);
        QCOMPARE(q(captions.amt()), stakeAfter);
        QCOMPARE(int(captions.writesTo("Money")), moneyWrites);
    }

    void evalTakesKindAsText() {
        MemoryCaptions captions("0", "2");
        quorvex::eval(captions, rt::Variant("4"));
        QCOMPARE(q(captions.money()), QString("200"));
    }

    void corruptCaptionRaisesBeforeAnyWrite_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("stake");
        QTest::newRow("stake") << "1000"
                               << "ten";
        QTest::newRow("bankroll") << "lots"
                                  << "10";
    }
    void corruptCaptionRaisesBeforeAnyWrite() {
        QFETCH(QString, bankroll);
        QFETCH(QString, stake);
        for (std::int16_t kind = 1; kind <= 5; ++kind) {
            MemoryCaptions captions(bankroll.toStdString(), stake.toStdString());
            try {
                quorvex::eval(captions, rt::Variant(kind));
                QFAIL("no error raised");
            } catch (const rt::RunError& error) {
                QCOMPARE(error.number(), 13);
            }
            QVERIFY(captions.writes.empty());
        }
    }

    void corruptBankrollStopsStakingUnwritten() {
        MemoryCaptions captions("lots", "0");
        QVERIFY_THROWS_EXCEPTION(rt::RunError, quorvex::stakeChip(captions, 0));
        QVERIFY(captions.writes.empty());
    }
};

QUORVEX_SUITE_MAIN(TestAmounts, Core)
#include "tst_amounts.moc"
