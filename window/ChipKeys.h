#pragma once

#include "rules/Amounts.h"
#include "window/MouseButton.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QKeyEvent;

namespace quorvex {

// The key of each chip: its number of zeros, in hexadecimal past 9. The key stakes the chip;
// with Shift held it names it.
inline constexpr std::array<char, chipCount> chipKeys{'0', '1', '2', '3', '4', '5',
                                                      '6', '7', '8', '9', 'A', 'B'};

// The chip a key stands for, pressed as by a mouse button.
struct ChipKey {
    std::int16_t chip;
    MouseButton button;
};

/* any key outside the table, or Ctrl, Alt or Meta held, is no chip key */
std::optional<ChipKey> chipKeyOf(const QKeyEvent& event);

QString keyOfChip(std::int16_t chip);

// The table above as a sentence, for assistive tools.
QString chipKeysDescription();

} // namespace quorvex
