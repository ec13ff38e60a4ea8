#include "runtime/Variant.h"

#include "runtime/Conversion.h"
#include "runtime/RunError.h"

#include <optional>
#include <string_view>

namespace rt {
namespace {

// -1, 0 or 1; nullopt when either side is null.
std::optional<int> compare(const Variant& left, const Variant& right) {
    if (left.isNull() || right.isNull())
        return std::nullopt;
    const bool leftText = left.isText() || (left.isEmpty() && right.isText());
    const bool rightText = right.isText() || (right.isEmpty() && left.isText());
    if (leftText && rightText) {
        const std::string_view a = left.isText() ? std::string_view(left.text()) : "";
        const std::string_view b = right.isText() ? std::string_view(right.text()) : "";
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

Truth truthOf(const Variant& value) {
    if (value.isNull())
        return Truth::Null;
    if (value.isEmpty())
        return Truth::False;
    if (value.isBoolean())
        return value.boolean() ? Truth::True : Truth::False;
    return value.number() != 0 ? Truth::True : Truth::False;
}

bool isTrue(const Variant& condition) {
    return isTrue(truthOf(condition));
}

} // namespace rt
