#pragma once

#include "rules/OutcomeKind.h"
#include "runtime/Variant.h"

#include <cstdint>

namespace quorvex {

// The reels as read back after a draw: the first two as text, the third as a number,
// which makes some comparisons textual and others numeric.
struct Reels {
    rt::Variant reel0;
    rt::Variant reel1;
    std::int16_t reel2 = 0;
};

// Every comparison the six tests are made of, each made once per spin: comparisons have no
// effect of their own, so sharing them among the tests changes no result.
struct ReelComparisons {
    rt::Truth xIsSeven, yIsSeven, zIsSeven;
    rt::Truth xNotSeven, yNotSeven, zNotSeven;
    rt::Truth xIsY, yIsZ, xIsZ;
    rt::Truth xNotY, yNotZ, xNotZ;
};

/* may raise RunError type mismatch if a reel text is no number */
ReelComparisons compareReels(const Reels& reels);

/* 0 <= kind < outcomeKinds: whether test `kind` holds */
bool outcomeHolds(std::int16_t kind, const ReelComparisons& compared);

} // namespace quorvex
