#pragma once

#include <cstdint>

namespace quorvex {

// The outcome codes: a spin runs its tests in this order and eval pays by the same codes.
enum class OutcomeKind : std::int16_t {
    nothing,
    oneSeven,
    twoSevens,
    threeSevens,
    threeOfAKind,
    pair,
};
inline constexpr std::int16_t outcomeKinds = 6;

} // namespace quorvex
