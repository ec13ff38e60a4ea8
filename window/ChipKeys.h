#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace quorvex {

// The chip a key stands for, pressed as by a mouse button: 1 stakes it, 2 names it.
struct ChipKey {
    std::int16_t chip;
    std::int16_t button;
};

// Digits 0 to 9 and A, B are the chip's number of zeros (A and B in hexadecimal); Shift asks
// for the chip's name. Any other key, or Ctrl, Alt or Meta held, is no chip key.
std::optional<ChipKey> chipKeyOf(const QKeyEvent& event);

} // namespace quorvex
