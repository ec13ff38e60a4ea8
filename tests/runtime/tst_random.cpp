#include "runtime/Arithmetic.h"
#include "runtime/RandomGenerator.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <array>
#include <cmath>

class TestRandom : public QObject {
    Q_OBJECT

    static int digitOf(float r) { return static_cast<int>(rt::floorOf(10.0 * double{r})); }

private slots:
    void largestValueStaysBelowOne() {
        const float largest = rt::RandomGenerator::fromBits(0xFFFFFFu);
        QVERIFY(largest < 1.0f);
        QCOMPARE(digitOf(largest), 9);
        QCOMPARE(rt::RandomGenerator::fromBits(0u), 0.0f);
        QCOMPARE(rt::RandomGenerator::fromBits(0xFFFFFFFFu), largest); // only 24 bits count
    }

    void fixedSeedRepeatsAndSeedsDiffer() {
        rt::RandomGenerator first(42), again(42), other(43);
        int differing = 0;
        for (int i = 0; i < 1000; ++i) {
            const float value = first.next();
            QCOMPARE(again.next(), value);
            differing += other.next() != value;
        }
        QVERIFY(differing > 990);
    }

    void randomizeGivesDifferentSequences() {
        rt::RandomGenerator first, second;
        first.randomize();
        second.randomize(); // within the same clock tick, quite possibly
        int differing = 0;
        for (int i = 0; i < 100; ++i)
            differing += first.next() != second.next();
        QVERIFY(differing > 90);
    }

    void digitsAreUniform() {
        rt::RandomGenerator generator(20261208);
        std::array<long, 10> counts{};
        constexpr long draws = 1'000'000;
        for (long i = 0; i < draws; ++i) {
            const float r = generator.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++counts[static_cast<std::size_t>(digitOf(r))];
        }
        double chiSquare = 0;
        for (long count : counts) {
            const double expected = draws / 10.0;
            chiSquare += (count - expected) * (count - expected) / expected;
        }
        QVERIFY2(chiSquare < 21.666, qPrintable(QString("chi-square %1, df 9").arg(chiSquare)));
    }

    void powersOfTenAreExact() {
        double expected = 1;
        for (std::int16_t i = 0; i <= 15; ++i) {
            QCOMPARE(rt::powerOfTen(i), expected);
            expected *= 10;
        }
        QCOMPARE(rt::powerOfTen(12), 1e12);
    }
};

QUORVEX_SUITE_MAIN(TestRandom, Core)
#include "tst_random.moc"
