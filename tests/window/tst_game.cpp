#include "support/GameFixture.h"
#include "support/SuiteMain.h"

#include <QAccessible>
#include <QTest>

using quorvex::Label;
using quorvex::Quorvex;

namespace {

QString text(const QLabel& label) {
    return label.text();
}

void click(QWidget& button) {
    QTest::mouseClick(&button, Qt::LeftButton);
}

bool bettingMode(Quorvex& window) {
    bool chips = true;
    for (std::int16_t i = 0; i < 12; ++i)
        chips &= window.Dollar[i].isVisible();
    return chips && window.Done.isVisible() && !window.Spin.isVisible();
}

bool playMode(Quorvex& window) {
    bool noChips = true;
    for (std::int16_t i = 0; i < 12; ++i)
        noChips &= !window.Dollar[i].isVisible();
    return noChips && !window.Done.isVisible() && window.Spin.isVisible();
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    std::unique_ptr<MessageAnswerer> answerer;

    Quorvex& window() { return game->window(); }
    void press(std::int16_t chip, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(&window().Dollar[chip], button, modifiers, QPoint(20, 10));
        QTest::mouseRelease(&window().Dollar[chip], button, modifiers, QPoint(20, 10));
    }
    bool ended(int code) const { return game->exitCodes == QList<int>{code}; }

private slots:
    void init() {
        game = std::make_unique<Game>();
        answerer = std::make_unique<MessageAnswerer>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanup() {
        answerer.reset();
        game.reset();
    }

    void startUp() {
        QVERIFY(!game->startResult);
        QCOMPARE(game->random.randomizeCalls, 1);
        QCOMPARE(game->random.drawn(), std::size_t{0});
        QVERIFY(playMode(window()));
        QCOMPARE(text(window().Money), QString("1000"));
        QCOMPARE(text(window().Amt), QString("0"));
        QCOMPARE(text(window().Comment), QString("Comments"));
        for (std::int16_t i = 0; i < 3; ++i)
            QCOMPARE(text(window().Digit[i]), QString("0"));
        QVERIFY(window().Bet.isVisible() && window().Reset.isVisible() && window().End.isVisible());
        QCOMPARE(window().windowIcon().availableSizes().size(), 7); // 16 to 256 pixels
    }

    void wholeTurn() {
        click(window().Bet);
        QVERIFY(bettingMode(window()));
        press(2);
        press(0);
        QCOMPARE(text(window().Money), QString("899"));
        QCOMPARE(text(window().Amt), QString("101"));
        click(window().Done);
        QVERIFY(playMode(window()));
        game->random.push({7, 7, 7});
        click(window().Spin);
        QCOMPARE(text(window().Money), QString("101899"));
        QCOMPARE(text(window().Amt), QString("0"));
        QCOMPARE(
            text(window().Comment),
            QString("You won the jackpot! Boy, are you lucky! You got a thousand times your bid!"));
        click(window().Spin); // no new stake
        QCOMPARE(text(window().Comment), QString("If you don't bet, you can't win."));
        QCOMPARE(text(window().Digit[2]), QString("7"));
        QVERIFY(answerer->texts.isEmpty() && game->exitCodes.isEmpty());
    }

    void chipPresses_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<int>("chip");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QString>("message");
        const Qt::KeyboardModifiers none;
        QTest::newRow("left press stakes") << "150" << 2 << Qt::LeftButton << none << 1 << "50"
                                           << "100"
                                           << "";
        QTest::newRow("second press refused") << "150" << 2 << Qt::LeftButton << none << 2 << "50"
                                              << "100"
                                              << "";
        QTest::newRow("three presses add up") << "1000" << 0 << Qt::LeftButton << none << 3 << "997"
                                              << "3"
                                              << "";
        QTest::newRow("Shift makes no difference")
            << "1000" << 1 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1
            << "990"
            << "10"
            << "";
        QTest::newRow("Ctrl and Alt make no difference")
            << "1000" << 1 << Qt::LeftButton << (Qt::ControlModifier | Qt::AltModifier) << 1
            << "990"
            << "10"
            << "";
        QTest::newRow("right press names the chip")
            << "1000" << 5 << Qt::RightButton << none << 1 << "1000"
            << "0"
            << "One Hundred Thousand Dollars";
        QTest::newRow("right press on the largest chip")
            << "1000" << 11 << Qt::RightButton << none << 1 << "1000"
            << "0"
            << "One Hundred Billion Dollars";
        QTest::newRow("middle press does nothing")
            << "1000" << 0 << Qt::MiddleButton << none << 1 << "1000"
            << "0"
            << "";
        QTest::newRow("other buttons do nothing")
            << "1000" << 0 << Qt::BackButton << none << 1 << "1000"
            << "0"
            << "";
    }
    void chipPresses() {
        QFETCH(QString, bankroll);
        QFETCH(int, chip);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, presses);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        QFETCH(QString, message);
        window().setCaption(Label::Money, bankroll.toStdString());
        click(window().Bet);
        for (int i = 0; i < presses; ++i)
            press(static_cast<std::int16_t>(chip), button, modifiers);
        QCOMPARE(text(window().Money), bankrollAfter);
        QCOMPARE(text(window().Amt), stakeAfter);
        QCOMPARE(answerer->texts, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(bettingMode(window()));
    }

    void rightPressNamesEveryChip_data() {
        QTest::addColumn<int>("chip");
        QTest::addColumn<QString>("name");
        const QStringList names{
            "One Dollar",           "Ten Dollars",          "One Hundred Dollars",
            "One Thousand Dollars", "Ten Thousand Dollars", "One Hundred Thousand Dollars",
            "One Million Dollars",  "Ten Million Dollars",  "One Hundred Million Dollars",
            "One Billion Dollars",  "Ten Billion Dollars",  "One Hundred Billion Dollars"};
        for (int chip = 0; chip < names.size(); ++chip)
            QTest::addRow("Dollar(%d)", chip) << chip << names[chip];
    }
    void rightPressNamesEveryChip() {
        QFETCH(int, chip);
        QFETCH(QString, name);
        window().setCaption(Label::Money, "5"); // smaller than most chips: names them all the same
        click(window().Bet);
        press(static_cast<std::int16_t>(chip), Qt::RightButton);
        QCOMPARE(answerer->texts, QStringList{name});
        QCOMPARE(answerer->titles, QStringList{"Quorvex 2.0"});
        QVERIFY(answerer->onlyOkWithoutIcon);
        QCOMPARE(text(window().Money), QString("5"));
        QCOMPARE(text(window().Amt), QString("0"));
    }

    // A double click arrives as press, release, double click, release: only the first press
    // reaches the game.
    void doubleClickCountsOnce_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("left stakes once") << Qt::LeftButton << "990"
                                          << "10" << QStringList();
        QTest::newRow("right shows one box") << Qt::RightButton << "1000"
                                             << "0" << QStringList{"Ten Dollars"};
        QTest::newRow("middle does nothing") << Qt::MiddleButton << "1000"
                                             << "0" << QStringList();
    }
    void doubleClickCountsOnce() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        QFETCH(QStringList, messages);
        click(window().Bet);
        QWidget& chip = window().Dollar[1];
        const QPoint at(20, 10);
        QTest::mousePress(&chip, button, {}, at);
        QTest::mouseRelease(&chip, button, {}, at);
        QTest::mouseDClick(&chip, button, {}, at); // the double-click event alone
        QTest::mouseRelease(&chip, button, {}, at);
        QCOMPARE(text(window().Money), bankrollAfter);
        QCOMPARE(text(window().Amt), stakeAfter);
        QCOMPARE(answerer->texts, messages);
    }

    void pressStakesBeforeRelease() {
        click(window().Bet);
        QTest::mousePress(&window().Dollar[1], Qt::LeftButton);
        QCOMPARE(text(window().Amt), QString("10"));
        QTest::mouseRelease(&window().Dollar[1], Qt::LeftButton);
        QCOMPARE(text(window().Amt), QString("10"));
    }

    void labelsRunNoCode() {
        const QString before = text(window().Comment);
        for (QWidget* label : QList<QWidget*>{&window().Money, &window().Amt, &window().Digit[1],
                                              &window().Comment, &window().MoneyLabel, &window()})
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(text(window().Comment), before);
        QVERIFY(playMode(window()));
        QCOMPARE(game->random.drawn(), std::size_t{0});
    }

    void modes() {
        click(window().Bet);
        click(window().Bet); // again: nothing changes but the check
        QVERIFY(bettingMode(window()));
        click(window().Done); // no chip: back to play, nothing changed
        QVERIFY(playMode(window()));
        QCOMPARE(text(window().Money), QString("1000"));
        QCOMPARE(text(window().Amt), QString("0"));
        QVERIFY(answerer->texts.isEmpty());
    }

    void resetFromBettingMode() {
        game->random.push({1, 1, 4});
        click(window().Bet);
        press(2);
        click(window().Done);
        click(window().Spin);
        click(window().Bet);
        press(1);
        QCOMPARE(text(window().Comment), QString("You got a pair! You got ten times your bid!"));
        click(window().Reset);
        QVERIFY(playMode(window()));
        QCOMPARE(text(window().Money), QString("1000"));
        QCOMPARE(text(window().Amt), QString("0"));
        QCOMPARE(text(window().Comment), QString("Comments"));
        for (std::int16_t i = 0; i < 3; ++i)
            QCOMPARE(text(window().Digit[i]), QString("0"));
        QVERIFY(game->exitCodes.isEmpty());
    }

    void limits_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<bool>("atDone"); // else at Bet
        QTest::addColumn<QString>("message");
        const QString broke = "You're broke!";
        const QString rich = "You have all the money in the world, there isn't any more. Sorry.";
        QTest::newRow("Bet, whole bankroll staked") << "0"
                                                    << "1000" << false << broke;
        QTest::newRow("Done, whole bankroll staked") << "0"
                                                     << "1000" << true << "";
        QTest::newRow("Bet, exactly a trillion") << "1000000000000"
                                                 << "0" << false << rich;
        QTest::newRow("Done, exactly a trillion") << "1000000000000"
                                                  << "0" << true << rich;
        QTest::newRow("Bet, one dollar less") << "999999999999"
                                              << "0" << false << "";
        QTest::newRow("Done, one dollar less") << "999999999999"
                                               << "0" << true << "";
    }
    void limits() {
        QFETCH(QString, bankroll);
        QFETCH(QString, stake);
        QFETCH(bool, atDone);
        QFETCH(QString, message);
        if (atDone)
            click(window().Bet);
        window().setCaption(Label::Money, bankroll.toStdString());
        window().setCaption(Label::Amt, stake.toStdString());
        click(atDone ? window().Done : window().Bet);
        if (message.isEmpty()) {
            QVERIFY(answerer->texts.isEmpty());
            QVERIFY(game->exitCodes.isEmpty());
            QVERIFY(window().isVisible());
            return;
        }
        QCOMPARE(answerer->texts, QStringList{message});
        QCOMPARE(answerer->titles, QStringList{"Quorvex 2.0"});
        QVERIFY(answerer->onlyOkWithoutIcon && answerer->applicationModal);
        QVERIFY(ended(0));
        QVERIFY(!window().isVisible());
        click(window().Reset); // the program has ended: no handler runs any more
        QCOMPARE(text(window().Money), bankroll);
    }

    void limitMessageShownOverBettingMode() {
        window().setCaption(Label::Money, "0");
        bool chipsShownDuringMessage = false;
        QTimer::singleShot(0, this,
                           [&] { chipsShownDuringMessage = window().Dollar[11].isVisible(); });
        click(window().Bet);
        QVERIFY(chipsShownDuringMessage);
        QVERIFY(ended(0));
    }

    void payoutAboveTheLimitEndsAtNextBet() {
        window().setCaption(Label::Money, "999999999999");
        click(window().Bet);
        press(11);
        press(10);
        click(window().Done);
        game->random.push({7, 7, 7});
        click(window().Spin);
        QCOMPARE(text(window().Money), QString("110889999999999"));
        QVERIFY(game->exitCodes.isEmpty());
        click(window().Bet);
        QCOMPARE(answerer->texts,
                 QStringList{"You have all the money in the world, there isn't any more. Sorry."});
        QVERIFY(ended(0));
    }

    void endWithMoneyStaked() {
        click(window().Bet);
        press(2);
        click(window().End);
        QVERIFY(ended(0));
        QVERIFY(answerer->texts.isEmpty());
        QVERIFY(!window().isVisible());
    }

    void closingTheWindow() {
        click(window().Bet);
        press(3);
        QTimer::singleShot(0, &window(), [this] { window().close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); }); // a hang fails
        QCOMPARE(QApplication::exec(), 0); // with no window left the event loop ends
        QVERIFY(!window().isVisible());
        QVERIFY(answerer->texts.isEmpty());
        QVERIFY(game->exitCodes.isEmpty());
    }

    // Captions the game never writes, planted to reach its run-time errors through the gate.
    void fatalRunTimeErrors_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<int>("drawn"); // generator values taken before the error
        QTest::addColumn<QString>("text");
        QTest::newRow("stake not a number")
            << "1000"
            << "12x" << 0 << "Run-time error '13':\n\nType mismatch";
        QTest::newRow("bankroll not a number at the payout")
            << "lots"
            << "5" << 3 << "Run-time error '13':\n\nType mismatch";
        QTest::newRow("payout overflows") << "0"
                                          << "1e306" << 3 << "Run-time error '6':\n\nOverflow";
        QTest::newRow("bankroll overflows") << "1.7e308"
                                            << "1e305" << 3 << "Run-time error '6':\n\nOverflow";
    }
    void fatalRunTimeErrors() {
        QFETCH(QString, bankroll);
        QFETCH(QString, stake);
        QFETCH(int, drawn);
        QFETCH(QString, text);
        game->random.push({7, 7, 7});
        window().setCaption(Label::Money, bankroll.toStdString());
        window().setCaption(Label::Amt, stake.toStdString());
        click(window().Spin);
        QCOMPARE(answerer->texts, QStringList{text});
        QCOMPARE(answerer->titles, QStringList{"Quorvex 2.0"});
        QVERIFY(answerer->onlyOkWithoutIcon);
        QVERIFY(ended(1));
        QVERIFY(!window().isVisible());
        QCOMPARE(int(game->random.drawn()), drawn);
        QCOMPARE(window().Money.text(), bankroll); // raised before Money is written
    }

    void keyboard() {
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(QApplication::focusWidget(), &window().Spin);
        QTest::keyClick(&window().Spin, Qt::Key_Tab);
        QTest::keyClick(&window().Bet, Qt::Key_Space);
        QVERIFY(bettingMode(window()));
        QTest::keyClick(&window().Bet, Qt::Key_Return); // again, as a Windows player would
        QVERIFY(bettingMode(window()));
        window().Done.setFocus();
        QTest::keyClick(&window().Done, Qt::Key_Enter);
        QVERIFY(playMode(window()));
        QVERIFY(answerer->texts.isEmpty());
    }

    void accessibleNames() {
        click(window().Bet);
        QAccessibleInterface* chip = QAccessible::queryAccessibleInterface(&window().Dollar[4]);
        QVERIFY(chip);
        QCOMPARE(chip->text(QAccessible::Name), QString("Ten Thousand Dollars"));
        QAccessibleInterface* bankroll = QAccessible::queryAccessibleInterface(&window().Money);
        QCOMPARE(bankroll->text(QAccessible::Name), QString("1000"));
        QAccessibleInterface* bet = QAccessible::queryAccessibleInterface(&window().Bet);
        QCOMPARE(bet->text(QAccessible::Name), QString("Bet"));
    }
};

QUORVEX_SUITE_MAIN(TestGame, Window)
#include "tst_game.moc"
