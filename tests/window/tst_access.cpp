// The game without a mouse and without sight: chip keys, chip actions, descriptions and the
// announcements a screen reader speaks.
#include "support/GameFixture.h"
#include "support/SuiteMain.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTabletEvent>
#include <QTest>

#include <functional>

using quorvex::Label;
using quorvex::Quorvex;

namespace {

QString money(Quorvex& window) {
    return window.Money.text();
}
QString stake(Quorvex& window) {
    return window.Amt.text();
}

// What the two mode buttons tell.
const QString chipsOut = "Chips shown: the keys 0 to 9, A and B stake the chip with that many "
                         "zeros (A ten, B eleven); with Shift held they name it.";
const QString bettingOver = "Betting over. Spin is back.";

bool chipsShown(Quorvex& window) {
    bool shown = true;
    for (std::int16_t i = 0; i < 12; ++i)
        shown &= window.Dollar[i].isVisible();
    return shown;
}

// A key as the platform delivers it, with its native codes: what the digit row gives with Shift
// held differs from layout to layout.
void sendNativeKey(QWidget& target, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
                   const QString& text, bool autoRepeat = false, quint32 virtualKey = 0) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, virtualKey, 0, text, autoRepeat);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, virtualKey, 0, text,
                      autoRepeat);
    QApplication::sendEvent(&target, &release);
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT

    std::unique_ptr<Game> game;
    std::unique_ptr<MessageAnswerer> answerer;
    QStringList said;
    bool notificationsRight = true;
    const std::unique_ptr<QPointingDevice> touchScreen{QTest::createTouchDevice()};
    const std::unique_ptr<QPointingDevice> stylus{std::make_unique<QPointingDevice>(
        "stylus", 2, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2)};

    Quorvex& window() { return game->window(); }
    QWidget& focused() { return *QApplication::focusWidget(); }
    void key(int code, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&focused(), static_cast<Qt::Key>(code), modifiers);
    }
    void bet() {
        QTest::keyClick(&window().Bet, Qt::Key_Space);
        QCOMPARE(said, QStringList{chipsOut});
        said.clear();
    }
    QAccessibleInterface* chip(std::int16_t index) {
        return QAccessible::queryAccessibleInterface(&window().Dollar[index]);
    }
    // The buttons by the letters the rows name them with.
    QHash<QString, QPushButton*> buttons() {
        return {{"B", &window().Bet},
                {"D", &window().Done},
                {"S", &window().Spin},
                {"R", &window().Reset}};
    }
    QWidget& control(const QString& name) {
        const QHash<QString, QPushButton*> named = buttons();
        return named.contains(name) ? static_cast<QWidget&>(*named[name])
                                    : window().Dollar[static_cast<std::int16_t>(name.toInt())];
    }
    static QPoint centre(const QWidget& control) { return control.rect().center(); }
    // A finger down on from, or up on to after moving there; whether the widget took it.
    bool finger(QWidget& from, QWidget& to, bool down) {
        auto touch = QTest::touchEvent(&window(), touchScreen.get(), false);
        if (down)
            return touch.press(0, centre(from), &from).commit();
        if (&to != &from)
            touch.move(0, centre(to), &to).commit();
        return touch.release(0, centre(to), &to).commit();
    }
    bool fingerOn(QWidget& chip, bool down) { return finger(chip, chip, down); }
    void tap(const QString& from, const QString& to) {
        finger(control(from), control(to), true);
        finger(control(from), control(to), false);
    }
    // A stylus as the platform delivers it, a tablet event; whether the chip took it (else Qt
    // would make a mouse press of it).
    // A Qt built without tablet events (the Windows one here) has no stylus rows.
    bool pen(QWidget& chip, bool down) {
#if QT_CONFIG(tabletevent)
        const QPointF at = centre(chip);
        QTabletEvent event(down ? QEvent::TabletPress : QEvent::TabletRelease, stylus.get(), at,
                           chip.mapToGlobal(at), down ? 0.5 : 0.0, 0, 0, 0, 0, 0, {},
                           Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton);
        QApplication::sendEvent(&chip, &event);
        return event.isAccepted();
#else
        Q_UNUSED(chip);
        Q_UNUSED(down);
        return false;
#endif
    }
    // Held down until the chip's name shows, no sooner than the desktop's press-and-hold
    // interval, set here longer than Qt's default so that a fixed delay would show it too
    // soon; the chip takes the touch, so Qt makes no mouse press of it.
    void hold(QWidget& chip, const std::function<bool(TestAccess&, QWidget&, bool)>& touch) {
        constexpr int desktopHold = 1000;
        QGuiApplication::styleHints()->setMousePressAndHoldInterval(desktopHold);
        const qsizetype shown = answerer->texts.size();
        QElapsedTimer held;
        held.start();
        QVERIFY(touch(*this, chip, true));
        QTRY_VERIFY(answerer->texts.size() > shown);
        QVERIFY2(held.elapsed() >= desktopHold, qPrintable(QString::number(held.elapsed())));
        QVERIFY(touch(*this, chip, false));
    }
    // A key held down on a button: its press, then the presses its auto-repeat sends.
    void holdKey(QWidget& button, int code) {
        button.setFocus();
        sendNativeKey(button, code, {}, 0, "\r");
        for (int i = 0; i < 3; ++i)
            sendNativeKey(button, code, {}, 0, "\r", true);
    }
    void act(std::int16_t index, const QString& name) {
        chip(index)->actionInterface()->doAction(name);
        QCoreApplication::processEvents(); // the action runs from the event loop
    }

private slots:
    void init() {
        game = std::make_unique<Game>();
        answerer = std::make_unique<MessageAnswerer>();
        said.clear();
        // Qt hands accessibility events to tools only on a platform with a bridge; offscreen
        // has none, so the announcer's own signal is heard instead (a test on a real
        // accessibility bus hears the events).
        connect(&game->announcer(), &quorvex::Announcer::announced, this,
                [this](const QString& text) {
                    said << text;
                    QAccessibleInterface* notification =
                        QAccessible::queryAccessibleInterface(&game->announcer());
                    notificationsRight &= notification &&
                                          notification->role() == QAccessible::Notification &&
                                          notification->text(QAccessible::Name) == text;
                });
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        // Told at the first focus, which may come while the game starts.
        QTRY_COMPARE(game->announcer().text(), QString("Money 1000, stake 0."));
        said.clear();
        window().Bet.setFocus();
    }
    void cleanup() {
        QVERIFY(notificationsRight);
        notificationsRight = true;
        answerer.reset();
        game.reset();
    }

    void everyChipKeyStakes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::newRow("0") << int(Qt::Key_0) << "999999999998"
                           << "1";
        QTest::newRow("1") << int(Qt::Key_1) << "999999999989"
                           << "10";
        QTest::newRow("2") << int(Qt::Key_2) << "999999999899"
                           << "100";
        QTest::newRow("3") << int(Qt::Key_3) << "999999998999"
                           << "1000";
        QTest::newRow("4") << int(Qt::Key_4) << "999999989999"
                           << "10000";
        QTest::newRow("5") << int(Qt::Key_5) << "999999899999"
                           << "100000";
        QTest::newRow("6") << int(Qt::Key_6) << "999998999999"
                           << "1000000";
        QTest::newRow("7") << int(Qt::Key_7) << "999989999999"
                           << "10000000";
        QTest::newRow("8") << int(Qt::Key_8) << "999899999999"
                           << "100000000";
        QTest::newRow("9") << int(Qt::Key_9) << "998999999999"
                           << "1000000000";
        QTest::newRow("A") << int(Qt::Key_A) << "989999999999"
                           << "10000000000";
        QTest::newRow("B") << int(Qt::Key_B) << "899999999999"
                           << "100000000000";
    }
    void everyChipKeyStakes() {
        QFETCH(int, code);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        window().setCaption(Label::Money, "999999999999");
        bet();
        key(code);
        QCOMPARE(money(window()), bankrollAfter);
        QCOMPARE(stake(window()), stakeAfter);
        QCOMPARE(said, QStringList{"Money " + bankrollAfter + ", stake " + stakeAfter + "."});
        QCOMPARE(&focused(), &window().Bet); // no key moves the focus
        QVERIFY(chipsShown(window()) && answerer->texts.isEmpty());
    }

    void keysInBettingMode_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<int>("code");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("announced");
        const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier);
        QTest::newRow("three presses add up")
            << "1000" << int(Qt::Key_0) << none << 3 << "997"
            << "3" << QStringList()
            << QStringList{"Money 999, stake 1.", "Money 998, stake 2.", "Money 997, stake 3."};
        QTest::newRow("refused silently") << "1000" << int(Qt::Key_4) << none << 1 << "1000"
                                          << "0" << QStringList() << QStringList();
        QTest::newRow("whole bankroll, then refused")
            << "150" << int(Qt::Key_2) << none << 2 << "50"
            << "100" << QStringList() << QStringList{"Money 50, stake 100."};
        QTest::newRow("keypad digit")
            << "1000" << int(Qt::Key_3) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1 << "0"
            << "1000" << QStringList() << QStringList{"Money 0, stake 1000."};
        QTest::newRow("Shift names the chip")
            << "1000" << int(Qt::Key_7) << shift << 1 << "1000"
            << "0" << QStringList{"Ten Million Dollars"} << QStringList();
        QTest::newRow("Shift names a chip worth less")
            << "1000" << int(Qt::Key_0) << shift << 1 << "1000"
            << "0" << QStringList{"One Dollar"} << QStringList();
        QTest::newRow("Shift with B")
            << "1000" << int(Qt::Key_B) << shift << 1 << "1000"
            << "0" << QStringList{"One Hundred Billion Dollars"} << QStringList();
        QTest::newRow("Ctrl is no chip key")
            << "1000" << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << "1000"
            << "0" << QStringList() << QStringList();
        QTest::newRow("Alt is no chip key")
            << "1000" << int(Qt::Key_1) << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << "1000"
            << "0" << QStringList() << QStringList();
        QTest::newRow("C is no chip") << "1000" << int(Qt::Key_C) << none << 1 << "1000"
                                      << "0" << QStringList() << QStringList();
    }
    void keysInBettingMode() {
        QFETCH(QString, bankroll);
        QFETCH(int, code);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, presses);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        QFETCH(QStringList, named);
        QFETCH(QStringList, announced);
        window().setCaption(Label::Money, bankroll.toStdString());
        bet();
        for (int i = 0; i < presses; ++i)
            key(code, modifiers);
        QCOMPARE(money(window()), bankrollAfter);
        QCOMPARE(stake(window()), stakeAfter);
        QCOMPARE(answerer->texts, named);
        QCOMPARE(said, announced);
        QVERIFY(chipsShown(window()));
    }

    // What the digit row gives with Shift held depends on the layout; its place does not. X
    // gives the place as a key code; Windows (windows_tst_access_gdi) as a scan code and a
    // virtual key.
    void digitRowOnAnyLayout_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<quint32>("keyCode");
        QTest::addColumn<quint32>("windowsScanCode");
        QTest::addColumn<char>("virtualKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QStringList>("named");
        const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier);
        QTest::newRow("2") << int(Qt::Key_2) << none << 11u << 0x03u << '2' << "2"
                           << "4999999900"
                           << "100" << QStringList();
        QTest::newRow("1") << int(Qt::Key_1) << none << 10u << 0x02u << '1' << "1"
                           << "4999999990"
                           << "10" << QStringList();
        QTest::newRow("0") << int(Qt::Key_0) << none << 19u << 0x0bu << '0' << "0"
                           << "4999999999"
                           << "1" << QStringList();
        QTest::newRow("US Shift+2 gives @")
            << int(Qt::Key_At) << shift << 11u << 0x03u << '2' << "@"
            << "5000000000"
            << "0" << QStringList{"One Hundred Dollars"};
        QTest::newRow("US Shift+1 gives !")
            << int(Qt::Key_Exclam) << shift << 10u << 0x02u << '1' << "!"
            << "5000000000"
            << "0" << QStringList{"Ten Dollars"};
        QTest::newRow("German Shift+0 gives =")
            << int(Qt::Key_Equal) << shift << 19u << 0x0bu << '0' << "="
            << "5000000000"
            << "0" << QStringList{"One Dollar"};
        QTest::newRow("German Shift+3 gives section sign")
            << int(Qt::Key_section) << shift << 12u << 0x04u << '3' << QString(QChar(0xa7))
            << "5000000000"
            << "0" << QStringList{"One Thousand Dollars"};
        QTest::newRow("French 9 without Shift gives c cedilla")
            << int(Qt::Key_Ccedilla) << none << 18u << 0x0au << '9' << QString(QChar(0xe7))
            << "4000000000"
            << "1000000000" << QStringList();
        QTest::newRow("French 2 without Shift gives e acute")
            << int(Qt::Key_Eacute) << none << 11u << 0x03u << '2' << QString(QChar(0xe9))
            << "4999999900"
            << "100" << QStringList();
    }
    void digitRowOnAnyLayout() {
        QFETCH(int, code);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(quint32, keyCode);
        QFETCH(quint32, windowsScanCode);
        QFETCH(char, virtualKey);
        QFETCH(QString, text);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        QFETCH(QStringList, named);
        window().setCaption(Label::Money, "5000000000");
        bet();
        if (QGuiApplication::platformName() == "windows")
            sendNativeKey(focused(), code, modifiers, windowsScanCode, text, false,
                          quint32(virtualKey));
        else
            sendNativeKey(focused(), code, modifiers, keyCode, text);
        QCOMPARE(money(window()), bankrollAfter);
        QCOMPARE(stake(window()), stakeAfter);
        QCOMPARE(answerer->texts, named);
    }

    void heldKeyStakesOnce() {
        bet();
        sendNativeKey(focused(), Qt::Key_1, {}, 0, "1");
        for (int i = 0; i < 3; ++i)
            sendNativeKey(focused(), Qt::Key_1, {}, 0, "1", true);
        QCOMPARE(money(window()), QString("990"));
        QCOMPARE(stake(window()), QString("10"));
    }

    void keysDoNothingInPlayMode() {
        window().setCaption(Label::Money, "999999999999");
        const QList<int> codes{Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                               Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_A, Qt::Key_B};
        for (int code : codes) {
            key(code);
            key(code, Qt::ShiftModifier);
        }
        sendNativeKey(focused(), Qt::Key_Exclam, Qt::ShiftModifier, 10, "!");
        QCOMPARE(money(window()), QString("999999999999"));
        QCOMPARE(stake(window()), QString("0"));
        QVERIFY(answerer->texts.isEmpty() && said.isEmpty());
        QVERIFY(!window().Dollar[0].isVisible() && window().Spin.isVisible());
        QCOMPARE(&focused(), &window().Bet);
    }

    void spaceStillPressesTheButton() {
        bet();
        window().Done.setFocus();
        QTest::keyClick(&window().Done, Qt::Key_Space);
        QVERIFY(!window().Dollar[0].isVisible() && window().Spin.isVisible());
        QCOMPARE(said, QStringList{bettingOver});
    }

    void amountsToldAtTheFirstFocusOnly() {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCoreApplication::sendPostedEvents(); // where a greeting would wait
        QCOMPARE(said, QStringList());
    }

    // The focused button wears a yellow ring inside its outline and a black one inside that;
    // a button without the focus shows its plain face there.
    void focusRing_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QColor>("outerRing");
        QTest::addColumn<QColor>("innerRing");
        QTest::newRow("focused") << true << QColor(255, 255, 0) << QColor(0, 0, 0);
        QTest::newRow("without focus") << false << QColor() << QColor();
    }
    void focusRing() {
        QFETCH(bool, focused);
        QFETCH(QColor, outerRing);
        QFETCH(QColor, innerRing);
        QWidget& button = focused ? window().Bet : window().End;
        const QImage picture = button.grab().toImage();
        const qreal scale = picture.devicePixelRatio();
        const auto at = [&](qreal x) {
            return picture.pixelColor(QPoint(int(x * scale), int(button.height() / 2 * scale)));
        };
        if (focused) {
            QCOMPARE(at(1.5), outerRing);
            QCOMPARE(at(3.5), innerRing);
            QCOMPARE(at(button.width() - 1.5), outerRing);
            return;
        }
        for (qreal x : {1.5, 3.5, button.width() - 1.5}) {
            const QColor face = at(x);
            QVERIFY2(face.lightness() > 200, qPrintable(face.name())); // pale face, no ring
        }
    }

    void chipActions_data() {
        QTest::addColumn<bool>("betting");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("bankrollAfter");
        QTest::addColumn<QString>("stakeAfter");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("Press stakes") << true << 2 << "Press"
                                      << "900"
                                      << "100" << QStringList();
        QTest::newRow("Press refused") << true << 4 << "Press"
                                       << "1000"
                                       << "0" << QStringList();
        QTest::newRow("ShowMenu names") << true << 5 << "ShowMenu"
                                        << "1000"
                                        << "0" << QStringList{"One Hundred Thousand Dollars"};
        QTest::newRow("hidden chip takes no Press") << false << 0 << "Press"
                                                    << "1000"
                                                    << "0" << QStringList();
        QTest::newRow("hidden chip takes no ShowMenu") << false << 0 << "ShowMenu"
                                                       << "1000"
                                                       << "0" << QStringList();
        QTest::newRow("unknown action") << true << 0 << "Toggle"
                                        << "1000"
                                        << "0" << QStringList();
    }
    void chipActions() {
        QFETCH(bool, betting);
        QFETCH(int, index);
        QFETCH(QString, action);
        QFETCH(QString, bankrollAfter);
        QFETCH(QString, stakeAfter);
        QFETCH(QStringList, named);
        if (betting)
            bet();
        act(static_cast<std::int16_t>(index), action);
        QCOMPARE(money(window()), bankrollAfter);
        QCOMPARE(stake(window()), stakeAfter);
        QCOMPARE(answerer->texts, named);
    }

    void chipInterface() {
        QAccessibleInterface* chip10 = chip(10);
        QCOMPARE(chip10->text(QAccessible::Name), QString("Ten Billion Dollars"));
        QCOMPARE(chip10->role(), QAccessible::Button);
        QAccessibleActionInterface* actions = chip10->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), (QStringList{"Press", "ShowMenu"}));
        QCOMPARE(actions->keyBindingsForAction("Press"), QStringList{"A"});
        QCOMPARE(actions->keyBindingsForAction("ShowMenu"), QStringList{"Shift+A"});
        QCOMPARE(chip(3)->actionInterface()->keyBindingsForAction("Press"), QStringList{"3"});
    }

    void descriptions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("name");
        QTest::newRow("bankroll") << "Money"
                                  << "Money"
                                  << "1000";
        QTest::newRow("stake") << "Amt"
                               << "Stake"
                               << "0";
        QTest::newRow("message") << "Comment"
                                 << "Message"
                                 << "Comments";
        QTest::newRow("heading") << "MoneyLabel"
                                 << ""
                                 << "Money";
        QTest::newRow("End") << "End"
                             << "Ends the game."
                             << "End";
    }
    void descriptions() {
        QFETCH(QString, control);
        QFETCH(QString, description);
        QFETCH(QString, name);
        auto* widget = window().findChild<QWidget*>(control);
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(label->text(QAccessible::Description), description);
        QCOMPARE(label->text(QAccessible::Name), name);
    }

    void reelDescriptions() {
        for (std::int16_t i = 0; i < 3; ++i) {
            QAccessibleInterface* reel = QAccessible::queryAccessibleInterface(&window().Digit[i]);
            QCOMPARE(reel->text(QAccessible::Description), QString("Reel %1").arg(i + 1));
        }
        const QString bet =
            QAccessible::queryAccessibleInterface(&window().Bet)->text(QAccessible::Description);
        QVERIFY2(bet.contains("0 to 9, A and B stake"), qPrintable(bet));
    }

    // Each row a turn: actions in order (B Bet, D Done, S Spin, R Reset, kN chip key N,
    // mN left press on chip N, aN Press action on chip N, Return:X or Enter:X that key held
    // down on button X until it repeats; by touch: tX a finger's tap on X, a button's letter or
    // a chip's number, tX>Y one that starts on X and lifts off on Y, hN a finger held on chip N
    // until a box shows, pN and qN the same two by stylus), the announcements heard and the
    // boxes shown.
    void announcements_data() {
        QTest::addColumn<QString>("bankroll");
        QTest::addColumn<QList<int>>("reels");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QStringList>("named"); // the message boxes, in order
        QTest::newRow("one seven")
            << "1009" << QList<int>{4, 7, 8} << "B k2 D S"
            << QStringList{chipsOut, "Money 909, stake 100.", bettingOver,
                           "Reels 4 7 8. One seven! You got ten times your bid. Money 1909, "
                           "stake 0."}
            << QStringList();
        QTest::newRow("two outcomes, one announcement")
            << "1000" << QList<int>{3, 3, 7} << "B m0 D S"
            << QStringList{chipsOut, "Money 999, stake 1.", bettingOver,
                           "Reels 3 3 7. You got a pair! You got ten times your bid! Money "
                           "1009, stake 0."}
            << QStringList();
        QTest::newRow("the reels already shown")
            << "1000" << QList<int>{0, 0, 0, 0, 0, 0} << "B a1 D S B k1 D S"
            << QStringList{chipsOut,
                           "Money 990, stake 10.",
                           bettingOver,
                           "Reels 0 0 0. Great! You got a three of a kind! You got a hundred "
                           "times your bid! Money 1990, stake 0.",
                           chipsOut,
                           "Money 1980, stake 10.",
                           bettingOver,
                           "Reels 0 0 0. Great! You got a three of a kind! You got a hundred "
                           "times your bid! Money 2980, stake 0."}
            << QStringList();
        QTest::newRow("a loss") << "1000" << QList<int>{1, 2, 3} << "B k1 D S"
                                << QStringList{chipsOut, "Money 990, stake 10.", bettingOver,
                                               "Reels 1 2 3. Sorry, try again! You didn't get "
                                               "anything. Money 990, stake 0."}
                                << QStringList();
        QTest::newRow("hint once")
            << "1000" << QList<int>{} << "S S" << QStringList{"If you don't bet, you can't win."}
            << QStringList();
        QTest::newRow("refused chip tells no amounts")
            << "50" << QList<int>{} << "B k2 m2 a2 D" << QStringList{chipsOut, bettingOver}
            << QStringList();
        QTest::newRow("Bet twice tells once")
            << "1000" << QList<int>{} << "B B D" << QStringList{chipsOut, bettingOver}
            << QStringList();
        QTest::newRow("reset") << "1000" << QList<int>{} << "B k3 R R"
                               << QStringList{chipsOut, "Money 0, stake 1000.",
                                              "Betting over. Spin is back. Reels 0 0 0. "
                                              "Comments. Money 1000, stake 0."}
                               << QStringList();
        QTest::newRow("reset while betting, nothing staked")
            << "1000" << QList<int>{} << "B R" << QStringList{chipsOut, bettingOver}
            << QStringList();
        QTest::newRow("held Return spins once")
            << "1000" << QList<int>{1, 2, 3} << "B k1 D Return:S"
            << QStringList{chipsOut, "Money 990, stake 10.", bettingOver,
                           "Reels 1 2 3. Sorry, try again! You didn't get anything. Money 990, "
                           "stake 0."}
            << QStringList();
        QTest::newRow("held Enter spins once")
            << "1000" << QList<int>{4, 7, 8} << "B k2 D Enter:S"
            << QStringList{chipsOut, "Money 900, stake 100.", bettingOver,
                           "Reels 4 7 8. One seven! You got ten times your bid. Money 1900, "
                           "stake 0."}
            << QStringList();
        QTest::newRow("reset after a spin")
            << "1000" << QList<int>{9, 9, 1} << "B k0 D S R"
            << QStringList{chipsOut, "Money 999, stake 1.", bettingOver,
                           "Reels 9 9 1. You got a pair! You got ten times your bid! Money "
                           "1009, stake 0.",
                           "Reels 0 0 0. Comments. Money 1000, stake 0."}
            << QStringList();
        QTest::newRow("a turn by touch")
            << "1000" << QList<int>{7, 7, 7} << "tB t2 t0 h5 tD tS"
            << QStringList{chipsOut, "Money 900, stake 100.", "Money 899, stake 101.", bettingOver,
                           "Reels 7 7 7. You won the jackpot! Boy, are you lucky! You got a "
                           "thousand times your bid! Money 101899, stake 0."}
            << QStringList{"One Hundred Thousand Dollars"};
#if QT_CONFIG(tabletevent)
        QTest::newRow("a turn by stylus")
            << "1000" << QList<int>{1, 2, 3} << "tB p1 q11 tD tS"
            << QStringList{chipsOut, "Money 990, stake 10.", bettingOver,
                           "Reels 1 2 3. Sorry, try again! You didn't get anything. Money 990, "
                           "stake 0."}
            << QStringList{"One Hundred Billion Dollars"};
#endif
        QTest::newRow("a tap ending elsewhere does nothing")
            << "1000" << QList<int>{} << "tB>R tB t3>4 t1>B h2 tD>R tR"
            << QStringList{chipsOut, bettingOver} << QStringList{"One Hundred Dollars"};
        QTest::newRow("held on a chip worth more than the bankroll")
            << "50" << QList<int>{} << "tB h9 t2 tD" << QStringList{chipsOut, bettingOver}
            << QStringList{"One Billion Dollars"};
    }

    void announcements() {
        QFETCH(QString, bankroll);
        QFETCH(QList<int>, reels);
        QFETCH(QString, actions);
        QFETCH(QStringList, announced);
        QFETCH(QStringList, named);
        window().setCaption(Label::Money, bankroll.toStdString());
        game->random.push(std::vector<int>(reels.begin(), reels.end()));
        const QHash<QString, QPushButton*> buttons = this->buttons();
        const QHash<QString, int> heldKeys{{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
        for (const QString& step : actions.split(' ')) {
            bool numbered = false;
            const auto index = static_cast<std::int16_t>(step.mid(1).toInt(&numbered));
            const QStringList held = step.split(':');
            if (buttons.contains(step))
                QTest::mouseClick(buttons[step], Qt::LeftButton);
            else if (held.size() == 2 && heldKeys.contains(held[0]) && buttons.contains(held[1]))
                holdKey(*buttons[held[1]], heldKeys[held[0]]);
            else if (step.startsWith('k') && numbered)
                key(Qt::Key_0 + index);
            else if (step.startsWith('m') && numbered)
                QTest::mouseClick(&window().Dollar[index], Qt::LeftButton);
            else if (step.startsWith('a') && numbered)
                act(index, "Press");
            else if (step.startsWith('t'))
                tap(step.mid(1).section('>', 0, 0), step.mid(1).section('>', -1));
            else if (step.startsWith('h') && numbered)
                hold(window().Dollar[index], &TestAccess::fingerOn);
            else if (step.startsWith('p') && numbered) {
                QVERIFY(pen(window().Dollar[index], true)); // taken: Qt makes no mouse press
                QVERIFY(pen(window().Dollar[index], false));
            } else if (step.startsWith('q') && numbered)
                hold(window().Dollar[index], &TestAccess::pen);
            else
                QFAIL(qPrintable(QString("unknown step \"%1\" in \"%2\"").arg(step, actions)));
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(said, announced);
        QCOMPARE(answerer->texts, named);
    }
};

QUORVEX_SUITE_MAIN(TestAccess, Window)
#include "tst_access.moc"
