#include "app/runtime/Variant.h"

#include "app/runtime/Conversion.h"
#include "app/runtime/RunError.h"

#include <optional>

namespace rt {
namespace {

// -1, 0 or 1; nullopt when either side is null.
std::optional<int> compare(const Variant& left, const Variant& right) {
    if (left.isNull() || right.isNull())
        return std::nullopt;
    const bool leftText = left.isText() || (left.isEmpty() && right.isText());
    const bool rightText = right.isText() || (right.isEmpty() && left.isText());
    if (leftText && rightText) {
        const std::string& a = left.isText() ? left.text() : std::string();
        const std::string& b = right.isText() ? right.text() : std::string();
        const int order = a.compare(b);
        return (order > 0) - (order < 0);
    }
    const double a = left.number();
    const double b = right.number();
    return (a > b) - (a < b);
}

Variant fromOrder(const Variant& left, const Variant& right, bool (*holds)(int)) {
    const auto order = compare(left, right);
    if (!order)
        return Variant::null();
    return Variant(holds(*order));
}

// nullopt stands for null (unknown).
std::optional<bool> truthOf(const Variant& value) {
    if (value.isNull())
        return std::nullopt;
    if (value.isEmpty())
        return false;
    if (value.isBoolean())
        return value == Variant(true);
    return value.number() != 0;
}

Variant fromTruth(std::optional<bool> truth) {
    return truth ? Variant(*truth) : Variant::null();
}

} // namespace

double Variant::number() const {
    if (const auto* integer = std::get_if<std::int16_t>(&value_))
        return *integer;
    if (const auto* truth = std::get_if<bool>(&value_))
        return *truth ? -1.0 : 0.0;
    if (const auto* string = std::get_if<std::string>(&value_))
        return textToDouble(*string);
    if (isEmpty())
        return 0.0;
    throw RunError::typeMismatch(); // null has no number
}

Variant equal(const Variant& l, const Variant& r) {
    return fromOrder(l, r, [](int o) { return o == 0; });
}
Variant notEqual(const Variant& l, const Variant& r) {
    return fromOrder(l, r, [](int o) { return o != 0; });
}
Variant less(const Variant& l, const Variant& r) {
    return fromOrder(l, r, [](int o) { return o < 0; });
}
Variant greater(const Variant& l, const Variant& r) {
    return fromOrder(l, r, [](int o) { return o > 0; });
}

Variant logicalAnd(const Variant& left, const Variant& right) {
    const auto a = truthOf(left);
    const auto b = truthOf(right);
    if (a == false || b == false)
        return Variant(false);
    if (!a || !b)
        return Variant::null();
    return Variant(true);
}

Variant logicalOr(const Variant& left, const Variant& right) {
    const auto a = truthOf(left);
    const auto b = truthOf(right);
    if (a == true || b == true)
        return Variant(true);
    if (!a || !b)
        return Variant::null();
    return fromTruth(false);
}

bool isTrue(const Variant& condition) {
    return truthOf(condition).value_or(false);
}

} // namespace rt
