#pragma once

#include <cstdint>

namespace quorvex {

// The button codes a chip's MouseDown carries. The game acts on two: left stakes the chip,
// right names it.
enum MouseButton : std::int16_t { noButton = 0, leftButton = 1, rightButton = 2, middleButton = 4 };

} // namespace quorvex
