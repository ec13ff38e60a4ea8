#include "runtime/Arithmetic.h"
#include "runtime/RunError.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <limits>

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double largest = std::numeric_limits<double>::max();

double apply(const QString& operation, double left, double right) {
    if (operation == "+")
        return rt::checkedAdd(left, right);
    if (operation == "-")
        return rt::checkedSubtract(left, right);
    return rt::checkedMultiply(left, right);
}

} // namespace

// The money arithmetic turns what the floating-point unit would flag into the game's errors.
class TestArithmetic : public QObject {
    Q_OBJECT

private slots:
    void raisesItsErrors_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        const QString overflow = "Overflow", invalid = "Invalid floating-point operation";
        QTest::newRow("sum overflows") << "+" << largest << largest << 6 << overflow;
        QTest::newRow("difference overflows") << "-" << -largest << largest << 6 << overflow;
        QTest::newRow("product overflows") << "*" << 1e306 << 1000.0 << 6 << overflow;
        QTest::newRow("infinite addend") << "+" << infinity << 1.0 << 6 << overflow;
        QTest::newRow("infinite factor") << "*" << 10.0 << -infinity << 6 << overflow;
        QTest::newRow("infinity minus infinity") << "-" << infinity << infinity << 5 << invalid;
        QTest::newRow("zero times infinity") << "*" << 0.0 << infinity << 5 << invalid;
        QTest::newRow("NaN addend") << "+" << notANumber << 1.0 << 5 << invalid;
        QTest::newRow("NaN factor") << "*" << 10.0 << notANumber << 5 << invalid;
        QTest::newRow("NaN minuend") << "-" << notANumber << 0.0 << 5 << invalid;
    }
    void raisesItsErrors() {
        QFETCH(QString, operation);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(int, number);
        QFETCH(QString, description);
        try {
            const double result = apply(operation, left, right);
            QFAIL(qPrintable(QString("no error, result %1").arg(result)));
        } catch (const rt::RunError& error) {
            QCOMPARE(error.number(), number);
            QCOMPARE(QString::fromStdString(error.description()), description);
        }
    }

    void finiteResultsPass_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("result");
        QTest::newRow("largest payout") << "*" << 999999999999.0 << 1000.0 << 999999999999000.0;
        QTest::newRow("largest finite sum") << "+" << largest << 0.0 << largest;
        QTest::newRow("staking to zero") << "-" << 1000.0 << 1000.0 << 0.0;
    }
    void finiteResultsPass() {
        QFETCH(QString, operation);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(double, result);
        QCOMPARE(apply(operation, left, right), result);
    }

    void negativePowerOfTenOverflows() {
        try {
            rt::powerOfTen(-1);
            QFAIL("no error raised");
        } catch (const rt::RunError& error) {
            QCOMPARE(error.number(), 6);
            QCOMPARE(QString::fromStdString(error.description()), QString("Overflow"));
        }
    }
};

QUORVEX_SUITE_MAIN(TestArithmetic, Core)
#include "tst_arithmetic.moc"
