#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text <-> number, independent of the process locale.
namespace rt {

/* decimal text, blanks around it allowed; else RunError type mismatch (overflow if too large) */
double textToDouble(std::string_view text);

/* as textToDouble, rounded half to even; outside -32768..32767 RunError overflow */
std::int16_t textToInt16(std::string_view text);

/* whole numbers below 10^15 in magnitude come out as plain digits */
std::string doubleToText(double value);
// Part of the runtime's number-to-text services, though the game shows no single.
std::string singleToText(float value);
std::string int16ToText(std::int16_t value);

} // namespace rt
