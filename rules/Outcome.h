#pragma once

#include "app/runtime/Variant.h"

#include <cstdint>

namespace quorvex {

// The reels as read back after a draw: the first two as text, the third as a number,
// which makes some comparisons textual and others numeric.
struct Reels {
    rt::Variant reel0;
    rt::Variant reel1;
    std::int16_t reel2 = 0;
};

inline constexpr std::int16_t outcomeKinds = 6;

/* 0 <= kind < outcomeKinds: whether test `kind` holds for these reels */
bool outcomeHolds(std::int16_t kind, const Reels& reels);

} // namespace quorvex
