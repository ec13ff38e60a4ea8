#include "runtime/RandomGenerator.h"
#include "support/GameFixture.h"
#include "support/SuiteMain.h"

#include <QRegularExpression>
#include <QTest>

#include <random>

using quorvex::Quorvex;

namespace {

// What three reels pay, in multiples of the stake, worked out from the digits alone.
long long creditFor(const QString& reels) {
    const int a = reels[0].digitValue(), b = reels[1].digitValue(), c = reels[2].digitValue();
    const int sevens = (a == 7) + (b == 7) + (c == 7);
    if (sevens == 3)
        return 1000;
    if (sevens == 2)
        return 100;
    if (sevens == 1)
        return 10;
    if (a == b && b == c)
        return 100;
    return a == b || b == c || a == c ? 10 : 0;
}

QString reelsOf(Quorvex& w) {
    return w.Digit[0].text() + w.Digit[1].text() + w.Digit[2].text();
}

// The reels' generator of a soak: it keeps the run's seed through Form_Load, which would
// otherwise seed it from the clock, so that a seed repeats a run. It remembers every draw.
class SeededReels final : public rt::RandomSource {
public:
    explicit SeededReels(quint64 seed) : generator_(seed) {}
    void randomize() override {}
    float next() override {
        draws << generator_.next();
        return draws.back();
    }

    QList<float> draws;

private:
    rt::RandomGenerator generator_;
};

struct SoakRun {
    QStringList events;
    QList<float> draws;
    int restarts = 0;
    qsizetype boxes = 0;
};

} // namespace

// Random play on the real window, checking the game's invariants after every event.
class TestSoak : public QObject {
    Q_OBJECT

    // Plays `events` random events from `seed`; a failed check names the event and the seed.
    static void play(quint64 seed, int events, SoakRun& run) {
        std::mt19937_64 player(seed);
        SeededReels reels(seed + 1);
        MessageAnswerer answerer(0);
        auto game = std::make_unique<Game>(&reels);
        const QRegularExpression plainDigits("^(0|[1-9][0-9]*)$");

        for (int event = 0; event < events; ++event) {
            Quorvex& w = game->window();
            const bool betting = w.Done.isVisible();
            const long long moneyBefore = w.Money.text().toLongLong();
            const long long stakeBefore = w.Amt.text().toLongLong();
            const QString reelsBefore = reelsOf(w);

            const int pick = int(player() % 100);
            QString what;
            const auto drawsBefore = reels.draws.size();
            long long expectedTotal = moneyBefore + stakeBefore;
            if (pick < 1) {
                what = "End";
                QTest::mouseClick(&w.End, Qt::LeftButton);
            } else if (pick < 4) {
                what = "Reset";
                QTest::mouseClick(&w.Reset, Qt::LeftButton);
                expectedTotal = 1000;
            } else if (betting && pick < 70) {
                const auto chip = static_cast<std::int16_t>(player() % 12);
                // Mostly left presses (stakes), some right (names), some middle (nothing).
                const int roll = int(player() % 20);
                const Qt::MouseButton button = roll < 16   ? Qt::LeftButton
                                               : roll < 18 ? Qt::RightButton
                                                           : Qt::MiddleButton;
                const auto modifiers = Qt::KeyboardModifiers::fromInt(int(player() % 8) << 25);
                what = QString("chip %1 button %2").arg(chip).arg(int(button));
                QTest::mousePress(&w.Dollar[chip], button, modifiers, QPoint(5, 5));
                QTest::mouseRelease(&w.Dollar[chip], button, modifiers, QPoint(5, 5));
            } else if (betting) {
                what = pick < 90 ? "Done" : "Bet";
                QTest::mouseClick(pick < 90 ? &w.Done : &w.Bet, Qt::LeftButton);
            } else if (pick < 60) {
                what = "Spin";
                QTest::mouseClick(&w.Spin, Qt::LeftButton);
                if (stakeBefore > 0)
                    expectedTotal = moneyBefore + stakeBefore * creditFor(reelsOf(w));
            } else {
                what = "Bet";
                QTest::mouseClick(&w.Bet, Qt::LeftButton);
            }

            run.events << what + " " + reelsOf(w);
            const QString context =
                QString("event %1 (%2), seed %3 (QUORVEX_SOAK_SEED=%3 repeats it)")
                    .arg(event)
                    .arg(what)
                    .arg(seed);
            if (!game->exitCodes.isEmpty()) {
                QVERIFY2(game->exitCodes == QList<int>{0}, qPrintable(context));
                game = std::make_unique<Game>(&reels);
                ++run.restarts;
                continue;
            }
            QVERIFY2(plainDigits.match(w.Money.text()).hasMatch(), qPrintable(context));
            QVERIFY2(plainDigits.match(w.Amt.text()).hasMatch(), qPrintable(context));
            const long long total = w.Money.text().toLongLong() + w.Amt.text().toLongLong();
            QVERIFY2(total == expectedTotal,
                     qPrintable(context +
                                QString(": total %1, expected %2").arg(total).arg(expectedTotal)));
            const auto drawn = reels.draws.size() - drawsBefore;
            QVERIFY2(drawn == (what == "Spin" && stakeBefore > 0 ? 3 : 0), qPrintable(context));
            if (what == "Spin" && stakeBefore == 0)
                QVERIFY2(reelsOf(w) == reelsBefore, qPrintable(context));
            bool chipsShown = true, chipsHidden = true;
            for (std::int16_t i = 0; i < 12; ++i) {
                chipsShown &= w.Dollar[i].isVisible();
                chipsHidden &= !w.Dollar[i].isVisible();
            }
            const bool playSet = w.Spin.isVisible() && !w.Done.isVisible() && chipsHidden;
            const bool betSet = !w.Spin.isVisible() && w.Done.isVisible() && chipsShown;
            QVERIFY2(playSet != betSet, qPrintable(context));
        }
        run.draws = reels.draws;
        run.boxes = answerer.texts.size();
    }

private slots:
    void randomPlay() {
        const int events = qEnvironmentVariableIntValue("QUORVEX_SOAK_EVENTS") > 0
                               ? qEnvironmentVariableIntValue("QUORVEX_SOAK_EVENTS")
                               : 100000;
        const quint64 seed = qEnvironmentVariableIsSet("QUORVEX_SOAK_SEED")
                                 ? qEnvironmentVariable("QUORVEX_SOAK_SEED").toULongLong()
                                 : 20261208;
        qInfo("soak: %d events, seed %llu (QUORVEX_SOAK_SEED repeats a run)", events, seed);
        SoakRun run;
        play(seed, events, run);
        if (QTest::currentTestFailed())
            return;
        qInfo("soak: %d restarts, %lld answered boxes, %lld draws", run.restarts,
              qlonglong(run.boxes), qlonglong(run.draws.size()));
        QVERIFY(run.restarts > 0);
    }

    // What a printed seed is for: the same seed plays the same events and draws the same reels,
    // across the restarts in which Form_Load runs again.
    void seedRepeatsTheRun() {
        SoakRun first, again, other;
        for (auto [seed, run] : {std::pair{7ull, &first}, {7ull, &again}, {8ull, &other}}) {
            play(seed, 5000, *run);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(first.restarts > 0 && first.draws.size() > 300);
        QCOMPARE(again.events, first.events);
        QCOMPARE(again.draws, first.draws);
        QVERIFY(other.events != first.events);
    }
};

QUORVEX_SUITE_MAIN(TestSoak, Window)
#include "tst_soak.moc"
