#include "runtime/Conversion.h"

#include "runtime/RunError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace rt {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view body, std::size_t at) {
    std::size_t end = at;
    while (end < body.size() && isDigit(body[end]))
        ++end;
    return end - at;
}

// The whole text is a decimal number: digits with at most one point (a digit before or after
// it), then an optional exponent with its own digits. No "inf", "nan", hex forms or separators.
bool isDecimal(std::string_view body) {
    std::size_t at = digitsFrom(body, 0);
    std::size_t mantissaDigits = at;
    if (at < body.size() && body[at] == '.') {
        const std::size_t fraction = digitsFrom(body, at + 1);
        mantissaDigits += fraction;
        at += 1 + fraction;
    }
    if (mantissaDigits == 0)
        return false;
    if (at < body.size() && (body[at] == 'e' || body[at] == 'E')) {
        ++at;
        if (at < body.size() && (body[at] == '+' || body[at] == '-'))
            ++at;
        const std::size_t exponent = digitsFrom(body, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == body.size();
}

// Correctly rounded and independent of the user's locale (the classic locale's point). Not
// std::from_chars: emscripten's libc++ has none for double. Only a number beyond double's range
// fails once the text is known to be decimal.
bool parseDecimal(std::string_view body, double& value) {
    std::istringstream stream{std::string(body)};
    stream.imbue(std::locale::classic());
    stream >> value;
    return !stream.fail();
}

// Up to 15 plain digits, the amounts and reels this program writes, are exact as an integer sum.
bool plainDigits(std::string_view body, double& value) {
    if (body.empty() || body.size() > 15)
        return false;
    std::int64_t whole = 0;
    for (const char c : body) {
        if (!isDigit(c))
            return false;
        whole = whole * 10 + (c - '0');
    }
    value = static_cast<double>(whole);
    return true;
}

template <typename Number> std::string toText(Number value, std::chars_format format) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    return {buffer.data(), result.ptr};
}

template <typename Float> std::string floatToText(Float value) {
    if (value == 0)
        return "0"; // also for -0
    const auto format =
        std::fabs(value) < Float(1e15) ? std::chars_format::fixed : std::chars_format::general;
    return toText(value, format);
}

} // namespace

double textToDouble(std::string_view text) {
    std::string_view body = trimBlanks(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    double value = 0;
    if (plainDigits(body, value))
        return negative ? -value : value;
    if (!isDecimal(body))
        throw RunError::typeMismatch();
    if (!parseDecimal(body, value))
        throw RunError::overflow();
    return negative ? -value : value;
}

std::int16_t textToInt16(std::string_view text) {
    const double rounded = std::nearbyint(textToDouble(text)); // default mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw RunError::overflow();
    return static_cast<std::int16_t>(rounded);
}

std::string doubleToText(double value) {
    return floatToText(value);
}
std::string singleToText(float value) {
    return floatToText(value);
}
std::string int16ToText(std::int16_t value) {
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

} // namespace rt
