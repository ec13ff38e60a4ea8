#include "app/runtime/RunError.h"
#include "support/GameFixture.h"

#include <QTest>

namespace {

// Fails where start-up first reaches the runtime: seeding the generator in Form_Load.
class FailingRandom final : public rt::RandomSource {
public:
    FailingRandom(int number, std::string description)
        : number_(number), description_(std::move(description)) {}
    void randomize() override { throw rt::RunError(number_, description_); }
    float next() override { return 0.5f; }

private:
    int number_;
    std::string description_;
};

// Counts how often the watched window is shown.
class ShowCounter final : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void failureEndsBeforeTheWindowShows_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("text");
        QTest::newRow("out of memory") << 7 << "Out of memory"
                                       << "Run-time error '7':\n\nOut of memory";
        QTest::newRow("overflow") << 6 << "Overflow"
                                  << "Run-time error '6':\n\nOverflow";
    }
    void failureEndsBeforeTheWindowShows() {
        QFETCH(int, number);
        QFETCH(QString, description);
        QFETCH(QString, text);
        MessageAnswerer answerer;
        FailingRandom random(number, description.toStdString());
        QList<int> exits;
        quorvex::Program program(quorvex::ProjectSettings{}, random,
                                 [&exits](int code) { exits << code; });
        ShowCounter counter;
        program.window().installEventFilter(&counter);
        const std::optional<int> ended = program.start();
        QCOMPARE(ended, std::optional<int>(1));
        QCOMPARE(exits, QList<int>{1});
        QCOMPARE(answerer.texts, QStringList{text});
        QCOMPARE(answerer.titles, QStringList{"Quorvex 2.0"});
        QCOMPARE(counter.shows, 0);
        QVERIFY(!program.window().isVisible());
        QCOMPARE(program.window().Dollar.count(), std::int16_t{1}); // duplicate never ran
    }

    void startsWhenNothingFails() {
        MessageAnswerer answerer;
        Game game;
        QCOMPARE(game.startResult, std::nullopt);
        QVERIFY(game.window().isVisible());
        QCOMPARE(game.window().Dollar.count(), std::int16_t{12});
        QVERIFY(answerer.texts.isEmpty() && game.exitCodes.isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
