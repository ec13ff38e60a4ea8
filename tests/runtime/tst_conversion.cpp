#include "runtime/Conversion.h"
#include "runtime/RunError.h"
#include "support/SuiteMain.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <random>

using rt::RunError;

class TestConversion : public QObject {
    Q_OBJECT

private slots:
    void textToDouble_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1000" << 1000.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("blanks around") << "  42\t" << 42.0;
        QTest::newRow("sign") << "-17" << -17.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("signed exponent") << "25e-1" << 2.5;
        QTest::newRow("point at the end") << "7." << 7.0;
        QTest::newRow("nearest double") << "0.1" << 0.1;
        QTest::newRow("largest amount") << "999999999999999" << 999999999999999.0;
    }
    void textToDouble() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(rt::textToDouble(text.toStdString()), value);
    }

    void notANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("word") << "Comments";
        QTest::newRow("trailing junk") << "12abc";
        QTest::newRow("decimal comma") << "1,5";
        QTest::newRow("grouping") << "1 000";
        QTest::newRow("infinity") << "inf";
        QTest::newRow("nan") << "nan";
        QTest::newRow("hex") << "0x10";
        QTest::newRow("lone sign") << "-";
        QTest::newRow("double sign") << "--1";
        QTest::newRow("lone point") << ".";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("exponent without digits") << "1e";
        QTest::newRow("exponent's sign twice") << "1e+-2";
    }
    void notANumber() {
        QFETCH(QString, text);
        try {
            rt::textToDouble(text.toStdString());
            QFAIL("no error raised");
        } catch (const RunError& error) {
            QCOMPARE(error.number(), 13);
        }
    }

    void hugeTextOverflows() {
        try {
            rt::textToDouble("1e400");
            QFAIL("no error raised");
        } catch (const RunError& error) {
            QCOMPARE(error.number(), 6);
        }
    }

    void textToInt16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1000000: overflow expected
        QTest::newRow("digit") << "7" << 7;
        QTest::newRow("half rounds to even down") << "2.5" << 2;
        QTest::newRow("half rounds to even up") << "3.5" << 4;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("one too large") << "32768" << -1000000;
        QTest::newRow("one too small") << "-32769" << -1000000;
    }
    void textToInt16() {
        QFETCH(QString, text);
        QFETCH(int, value);
        if (value != -1000000) {
            QCOMPARE(int(rt::textToInt16(text.toStdString())), value);
            return;
        }
        try {
            rt::textToInt16(text.toStdString());
            QFAIL("no error raised");
        } catch (const RunError& error) {
            QCOMPARE(error.number(), 6);
        }
    }

    void numberToText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("start") << 1000.0 << "1000";
        QTest::newRow("power of ten, no exponent") << 1e14 << "100000000000000";
        QTest::newRow("the limit") << 1e12 << "1000000000000";
        QTest::newRow("largest amount") << 999999999999999.0 << "999999999999999";
        QTest::newRow("mixed digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("negative") << -42.0 << "-42";
    }
    void numberToText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(rt::doubleToText(value)), text);
    }

    void wholeNumbersAreDigitsAndRoundTrip() {
        std::mt19937_64 engine(20261208);
        std::uniform_int_distribution<long long> amounts(0, 999'999'999'999'999LL);
        for (int sample = 0; sample < 20000; ++sample) {
            const long long amount = amounts(engine);
            const std::string text = rt::doubleToText(static_cast<double>(amount));
            QCOMPARE(QString::fromStdString(text), QString::number(amount));
            QCOMPARE(rt::textToDouble(text), static_cast<double>(amount));
        }
    }

    void int16AndSingleToText() {
        QCOMPARE(QString::fromStdString(rt::int16ToText(0)), QString("0"));
        QCOMPARE(QString::fromStdString(rt::int16ToText(-32768)), QString("-32768"));
        QCOMPARE(QString::fromStdString(rt::singleToText(9.0f)), QString("9"));
    }

    void ignoresTheProcessLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        const std::string saved = previous ? previous : "C";
        // A decimal-comma locale by its Debian name, or by the Windows C runtime's name.
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") &&
            !std::setlocale(LC_ALL, "German_Germany.1252"))
            QSKIP("no German locale (de_DE.UTF-8, German_Germany.1252) on this machine");
        const char separator = *std::localeconv()->decimal_point; // proves the locale took
        const double parsed = rt::textToDouble("2.5");
        const std::string written = rt::doubleToText(1234567.0);
        const std::string fraction = rt::doubleToText(2.5);
        bool commaRejected = false;
        try {
            rt::textToDouble("2,5");
        } catch (const RunError&) {
            commaRejected = true;
        }
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(separator, ',');
        QCOMPARE(parsed, 2.5);
        QCOMPARE(QString::fromStdString(written), QString("1234567"));
        QCOMPARE(QString::fromStdString(fraction), QString("2.5"));
        QVERIFY(commaRejected);
    }
};

QUORVEX_SUITE_MAIN(TestConversion, Core)
#include "tst_conversion.moc"
