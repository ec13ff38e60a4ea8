#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace rt {

// A tagged value: empty, null, a 16-bit integer, a Boolean or a text.
// Empty is what an unassigned variable holds; null is the unknown result of logic on unknowns.
class Variant {
public:
    struct Empty {
        bool operator==(const Empty&) const = default;
    };
    struct Null {
        bool operator==(const Null&) const = default;
    };

    Variant() = default;
    Variant(std::int16_t number) : value_(number) {}
    Variant(bool truth) : value_(truth) {}
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(std::string(text)) {}
    static Variant null() { return Variant(Null{}); }

    bool isEmpty() const { return std::holds_alternative<Empty>(value_); }
    bool isNull() const { return std::holds_alternative<Null>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isBoolean() const { return std::holds_alternative<bool>(value_); }

    /* isText() */
    const std::string& text() const { return std::get<std::string>(value_); }
    /* isBoolean() */
    bool boolean() const { return std::get<bool>(value_); }
    /* the value as a number: text is converted (RunError type mismatch), True is -1, empty is 0 */
    double number() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    explicit Variant(Null) : value_(Null{}) {}

    std::variant<Empty, Null, std::int16_t, bool, std::string> value_;
};

// Comparison: text against text by character codes; against anything numeric the text is
// converted and compared as a number; null on either side gives null.
Variant equal(const Variant& left, const Variant& right);
Variant notEqual(const Variant& left, const Variant& right);
// Part of the runtime's comparisons, though the outcome tests use neither.
Variant less(const Variant& left, const Variant& right);
Variant greater(const Variant& left, const Variant& right);

// A truth value as logic sees it: null is unknown.
enum class Truth : std::uint8_t { False, True, Null };

/* a number or text is true when not zero; empty is false */
Truth truthOf(const Variant& value);

// Three-valued And / Or (null unknown); both sides are always evaluated.
constexpr Truth logicalAnd(Truth left, Truth right) {
    if (left == Truth::False || right == Truth::False)
        return Truth::False;
    return left == Truth::Null || right == Truth::Null ? Truth::Null : Truth::True;
}
constexpr Truth logicalOr(Truth left, Truth right) {
    if (left == Truth::True || right == Truth::True)
        return Truth::True;
    return left == Truth::Null || right == Truth::Null ? Truth::Null : Truth::False;
}

/* null and empty count as false */
constexpr bool isTrue(Truth condition) {
    return condition == Truth::True;
}
bool isTrue(const Variant& condition);

} // namespace rt
