#pragma once

#include <cstdint>

namespace quorvex {

/* 0 <= chip < chipCount: the chip's value in words, "One Dollar" to "One Hundred Billion Dollars"
 */
const char* chipName(std::int16_t chip);

} // namespace quorvex
