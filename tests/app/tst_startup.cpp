#include "runtime/RunError.h"
#include "support/GameFixture.h"
#include "support/SuiteMain.h"

#include <QIcon>
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

// Notes what the window held when it was first painted.
class FirstPaintWitness final : public QObject {
public:
    explicit FirstPaintWitness(quorvex::Quorvex& window) : window_(window) {
        window.installEventFilter(this);
    }
    bool painted = false;
    qsizetype iconSizesThen = -1;
    QString chipNameThen, betDescriptionThen;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            iconSizesThen = window_.windowIcon().availableSizes().size();
            chipNameThen = window_.Dollar[5].accessibleName();
            betDescriptionThen = window_.Bet.accessibleDescription();
        }
        return false;
    }

private:
    quorvex::Quorvex& window_;
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
        QVERIFY(game.finished);
    }

    // The first frame shows neither the icon nor any accessible text: they come just after it.
    void iconAndDescriptionsAfterTheFirstFrame() {
        QGuiApplication::setWindowIcon(QIcon()); // as a fresh process has it
        ScriptedRandom random;
        quorvex::Program program(quorvex::ProjectSettings{}, random, {});
        FirstPaintWitness witness(program.window());
        QVERIFY(!program.start());
        QVERIFY(QTest::qWaitFor([&] { return program.finished(); }));
        QVERIFY(witness.painted);
        QCOMPARE(witness.iconSizesThen, 0);
        QCOMPARE(witness.chipNameThen, QString());
        QCOMPARE(witness.betDescriptionThen, QString());
        QCOMPARE(program.window().windowIcon().availableSizes().size(), 7);
        QCOMPARE(program.window().Dollar[5].accessibleName(),
                 QString("One Hundred Thousand Dollars"));
        QCOMPARE(program.window().Digit[2].accessibleDescription(), QString("Reel 3"));
    }
};

QUORVEX_SUITE_MAIN(TestStartup, Window)
#include "tst_startup.moc"
