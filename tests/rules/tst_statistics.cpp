#include "rules/ReelSpin.h"
#include "runtime/RandomGenerator.h"
#include "support/MemoryCaptions.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <array>
#include <cmath>
#include <vector>

// The generator as the game uses it: a million spins through the real spin path.
class TestStatistics : public QObject {
    Q_OBJECT

    struct Run {
        std::vector<int> triples; // reels as a number 0..999, in spin order
        std::vector<long long> credits;
    };

    static Run play(std::uint64_t seed, int spins) {
        Run run;
        run.triples.reserve(spins);
        run.credits.reserve(spins);
        MemoryCaptions captions("0", "0");
        captions.logging = false;
        rt::RandomGenerator random(seed);
        quorvex::ReelSpin spin;
        for (int i = 0; i < spins; ++i) {
            captions.setCaption(quorvex::Label::Money, "0");
            captions.setCaption(quorvex::Label::Amt, "1");
            spin.spin(captions, random);
            run.triples.push_back(std::stoi(captions.reelsShown()));
            run.credits.push_back(std::stoll(captions.money()));
        }
        return run;
    }

    template <std::size_t Cells>
    static double chiSquare(const std::array<long, Cells>& counts, long total) {
        const double expected = double(total) / Cells;
        double sum = 0;
        for (long count : counts)
            sum += (count - expected) * (count - expected) / expected;
        return sum;
    }

private slots:
    void distribution_data() {
        QTest::addColumn<quint64>("seed");
        QTest::newRow("seed 1") << quint64(1);
        QTest::newRow("seed 20261208") << quint64(20261208);
    }
    void distribution() {
        QFETCH(quint64, seed);
        constexpr int spins = 1'000'000;
        const Run run = play(seed, spins);

        // 99 % critical values of chi-square for 9, 99 and 999 degrees of freedom.
        for (int reel = 0; reel < 3; ++reel) {
            std::array<long, 10> digits{};
            const int divisor = reel == 0 ? 100 : reel == 1 ? 10 : 1;
            for (int t : run.triples)
                ++digits[std::size_t(t / divisor % 10)];
            const double chi = chiSquare(digits, spins);
            QVERIFY2(chi < 21.666, qPrintable(QString("reel %1: %2").arg(reel).arg(chi)));
        }
        for (int pair = 0; pair < 2; ++pair) {
            std::array<long, 100> pairs{};
            for (int t : run.triples)
                ++pairs[std::size_t(pair == 0 ? t / 10 : t % 100)];
            const double chi = chiSquare(pairs, spins);
            QVERIFY2(chi < 134.642, qPrintable(QString("pair %1: %2").arg(pair).arg(chi)));
        }
        std::array<long, 1000> triples{};
        for (int t : run.triples)
            ++triples[std::size_t(t)];
        const double chi = chiSquare(triples, spins);
        QVERIFY2(chi < 1106.97, qPrintable(QString("triples: %1").arg(chi)));

        // Lag-1 serial correlation of consecutive spins; about N(0, 1/N) when independent.
        double mean = 0;
        for (int t : run.triples)
            mean += t;
        mean /= spins;
        double numerator = 0, denominator = 0;
        for (int i = 0; i < spins; ++i) {
            const double d = run.triples[std::size_t(i)] - mean;
            denominator += d * d;
            if (i + 1 < spins)
                numerator += d * (run.triples[std::size_t(i) + 1] - mean);
        }
        const double z = numerator / denominator * std::sqrt(double(spins));
        QVERIFY2(std::abs(z) < 2.576, qPrintable(QString("serial z %1").arg(z)));

        // Outcome classes by their credit, each within its 99 % binomial interval.
        const std::array<std::pair<long long, double>, 4> classes{
            {{0, 0.504}, {10, 0.459}, {100, 0.036}, {1000, 0.001}}};
        for (const auto& [credit, probability] : classes) {
            long hits = 0;
            for (long long c : run.credits)
                hits += c == credit;
            const double expected = spins * probability;
            const double spread = 2.576 * std::sqrt(expected * (1 - probability));
            QVERIFY2(
                std::abs(hits - expected) < spread,
                qPrintable(QString("credit %1: %2 of %3").arg(credit).arg(hits).arg(expected)));
        }
        double creditMean = 0, creditSquares = 0;
        for (long long c : run.credits) {
            creditMean += double(c);
            creditSquares += double(c) * double(c);
        }
        creditMean /= spins;
        const double standardError =
            std::sqrt((creditSquares / spins - creditMean * creditMean) / spins);
        QVERIFY2(std::abs(creditMean - 9.19) < 2.576 * standardError,
                 qPrintable(QString("mean credit %1").arg(creditMean)));
    }
};

QUORVEX_SUITE_MAIN(TestStatistics, Core)
#include "tst_statistics.moc"
