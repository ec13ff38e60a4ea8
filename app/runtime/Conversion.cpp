#include "app/runtime/Conversion.h"

#include "app/runtime/RunError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

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

// from_chars would also take "inf", "nan" and hex forms; a number here starts with a digit or a
// point.
bool looksDecimal(std::string_view body) {
    if (body.empty())
        return false;
    if (isDigit(body.front()))
        return true;
    return body.size() > 1 && body.front() == '.' && isDigit(body[1]);
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
    if (!looksDecimal(body))
        throw RunError::typeMismatch();
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (error == std::errc::result_out_of_range)
        throw RunError::overflow();
    if (error != std::errc{} || end != body.data() + body.size())
        throw RunError::typeMismatch();
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
