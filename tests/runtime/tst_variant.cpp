#include "runtime/RunError.h"
#include "runtime/Variant.h"
#include "support/SuiteMain.h"

#include <QTest>

using rt::Variant;

Q_DECLARE_METATYPE(Variant)

namespace {
// The truth of a comparison or logic result: 1 true, 0 false, -1 null.
int truth(const Variant& v) {
    if (v.isNull())
        return -1;
    return v == Variant(true) ? 1 : 0;
}
int truth(rt::Truth t) {
    return t == rt::Truth::Null ? -1 : t == rt::Truth::True ? 1 : 0;
}
const Variant null = Variant::null();
} // namespace

class TestVariant : public QObject {
    Q_OBJECT

private slots:
    void comparisons_data() {
        QTest::addColumn<Variant>("left");
        QTest::addColumn<Variant>("right");
        QTest::addColumn<int>("equal");
        QTest::addColumn<int>("less");
        QTest::addColumn<int>("greater");
        QTest::newRow("text vs typed number is numeric")
            << Variant("07") << Variant(std::int16_t{7}) << 1 << 0 << 0;
        QTest::newRow("number vs text is numeric")
            << Variant(std::int16_t{10}) << Variant("9") << 0 << 0 << 1;
        QTest::newRow("text vs text by character codes")
            << Variant("07") << Variant("7") << 0 << 1 << 0;
        QTest::newRow("text order is not numeric order")
            << Variant("10") << Variant("9") << 0 << 1 << 0;
        QTest::newRow("equal texts") << Variant("3") << Variant("3") << 1 << 0 << 0;
        QTest::newRow("integers") << Variant(std::int16_t{3}) << Variant(std::int16_t{7}) << 0 << 1
                                  << 0;
        QTest::newRow("empty vs number is zero")
            << Variant() << Variant(std::int16_t{0}) << 1 << 0 << 0;
        QTest::newRow("empty vs text is empty text") << Variant() << Variant("") << 1 << 0 << 0;
        QTest::newRow("null propagates") << null << Variant(std::int16_t{7}) << -1 << -1 << -1;
        QTest::newRow("True is minus one")
            << Variant(true) << Variant(std::int16_t{-1}) << 1 << 0 << 0;
    }
    void comparisons() {
        QFETCH(Variant, left);
        QFETCH(Variant, right);
        QFETCH(int, equal);
        QFETCH(int, less);
        QFETCH(int, greater);
        QCOMPARE(truth(rt::equal(left, right)), equal);
        QCOMPARE(truth(rt::notEqual(left, right)), equal < 0 ? -1 : 1 - equal);
        QCOMPARE(truth(rt::less(left, right)), less);
        QCOMPARE(truth(rt::greater(left, right)), greater);
    }

    void textThatIsNoNumberAgainstANumber() {
        QVERIFY_THROWS_EXCEPTION(rt::RunError, rt::equal(Variant("x"), Variant(std::int16_t{7})));
    }

    void logic_data() {
        QTest::addColumn<Variant>("left");
        QTest::addColumn<Variant>("right");
        QTest::addColumn<int>("conjunction");
        QTest::addColumn<int>("disjunction");
        QTest::newRow("true true") << Variant(true) << Variant(true) << 1 << 1;
        QTest::newRow("true false") << Variant(true) << Variant(false) << 0 << 1;
        QTest::newRow("false false") << Variant(false) << Variant(false) << 0 << 0;
        QTest::newRow("null true") << null << Variant(true) << -1 << 1;
        QTest::newRow("null false") << null << Variant(false) << 0 << -1;
        QTest::newRow("false null") << Variant(false) << null << 0 << -1;
        QTest::newRow("null null") << null << null << -1 << -1;
    }
    void logic() {
        QFETCH(Variant, left);
        QFETCH(Variant, right);
        QFETCH(int, conjunction);
        QFETCH(int, disjunction);
        const rt::Truth l = rt::truthOf(left), r = rt::truthOf(right);
        QCOMPARE(truth(rt::logicalAnd(l, r)), conjunction);
        QCOMPARE(truth(rt::logicalOr(l, r)), disjunction);
    }

    void nullAndEmptyAreFalse() {
        QVERIFY(!rt::isTrue(null));
        QVERIFY(!rt::isTrue(Variant()));
        QVERIFY(rt::isTrue(Variant(true)));
        QVERIFY(!rt::isTrue(Variant(false)));
    }
};

QUORVEX_SUITE_MAIN(TestVariant, Core)
#include "tst_variant.moc"
