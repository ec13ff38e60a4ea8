#include "app/EventGate.h"
#include "runtime/ProgramEnd.h"
#include "runtime/RunError.h"
#include "support/RecordingMessages.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <stdexcept>

using quorvex::EventGate;

class TestGate : public QObject {
    Q_OBJECT

    RecordingMessages messages;
    QList<int> exits;
    std::unique_ptr<EventGate> gate;

private slots:
    void init() {
        messages.shown.clear();
        messages.boxFails = false;
        exits.clear();
        gate = std::make_unique<EventGate>(messages, [this](int code) { exits << code; });
    }

    void handlerThatReturnsLeavesTheProgramRunning() {
        int runs = 0;
        gate->run([&] { ++runs; });
        gate->run([&] { ++runs; });
        QCOMPARE(runs, 2);
        QVERIFY(!gate->ended() && exits.isEmpty() && messages.shown.empty());
    }

    void endStopsTheHandlerAndEveryLaterEvent() {
        bool ranAfterEnd = false;
        gate->run([&] {
            rt::endProgram();
            ranAfterEnd = true;
        });
        QVERIFY(!ranAfterEnd);
        QCOMPARE(exits, QList<int>{0});
        QVERIFY(messages.shown.empty());
        bool laterEventRan = false;
        gate->run([&] { laterEventRan = true; });
        QVERIFY(!laterEventRan);
    }

    void failures_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boxFails");
        QTest::newRow("run-time error") << 0 << "Run-time error '6':\n\nOverflow" << false;
        QTest::newRow("out of memory") << 1 << "Run-time error '7':\n\nOut of memory" << false;
        QTest::newRow("any other exception") << 2 << "Run-time error '51':\n\nboom" << false;
        QTest::newRow("not even an exception")
            << 3 << "Run-time error '51':\n\nInternal error" << false;
        QTest::newRow("invalid operation")
            << 4 << "Run-time error '5':\n\nInvalid floating-point operation" << false;
        QTest::newRow("division by zero")
            << 5 << "Run-time error '11':\n\nDivision by zero" << false;
        QTest::newRow("type mismatch") << 6 << "Run-time error '13':\n\nType mismatch" << false;
        QTest::newRow("the fatal box itself fails")
            << 0 << "Run-time error '6':\n\nOverflow" << true;
    }
    void failures() {
        QFETCH(int, which);
        QFETCH(QString, text);
        QFETCH(bool, boxFails);
        messages.boxFails = boxFails;
        gate->run([which] {
            switch (which) {
            case 0:
                throw rt::RunError::overflow();
            case 1:
                throw std::bad_alloc();
            case 2:
                throw std::runtime_error("boom");
            case 4:
                throw rt::RunError::invalidFloatingPoint();
            case 5:
                throw rt::RunError::divisionByZero();
            case 6:
                throw rt::RunError::typeMismatch();
            default:
                throw 42;
            }
        });
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages.shown.front()), text);
        QCOMPARE(exits, QList<int>{1});
        QVERIFY(gate->ended());
        QCOMPARE(gate->exitCode(), 1);
    }

    void eventsDuringTheFatalBoxRunNoHandler() {
        // The box runs a nested event loop; a click that arrives meanwhile must not run code.
        struct ReentrantMessages : rt::Messages {
            EventGate* gate = nullptr;
            bool reentered = false;
            void show(const std::string&) override {
                gate->run([this] { reentered = true; });
            }
        } reentrant;
        EventGate fatalGate(reentrant, {});
        reentrant.gate = &fatalGate;
        fatalGate.run([] { throw rt::RunError::typeMismatch(); });
        QVERIFY(!reentrant.reentered);
        QVERIFY(fatalGate.ended());
    }
};

QUORVEX_SUITE_MAIN(TestGate, Core)
#include "tst_gate.moc"
