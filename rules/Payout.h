#pragma once

#include "rules/Captions.h"
#include "rules/OutcomeKind.h"
#include "runtime/Variant.h"

#include <array>
#include <cstdint>

namespace quorvex {

inline constexpr const char* noBetHint = "If you don't bet, you can't win.";

struct Outcome {
    OutcomeKind kind;
    std::int16_t multiplier; // 0: the stake is lost and Money is not touched
    const char* comment;
};

inline constexpr std::array<Outcome, outcomeKinds> outcomes{{
    {OutcomeKind::nothing, 0, "Sorry, try again! You didn't get anything."},
    {OutcomeKind::oneSeven, 10, "One seven! You got ten times your bid."},
    {OutcomeKind::twoSevens, 100, "A pair of sevens! You got a hundred times your bid!"},
    {OutcomeKind::threeSevens, 1000,
     "You won the jackpot! Boy, are you lucky! You got a thousand times your bid!"},
    {OutcomeKind::threeOfAKind, 100,
     "Great! You got a three of a kind! You got a hundred times your bid!"},
    {OutcomeKind::pair, 10, "You got a pair! You got ten times your bid!"},
}};
static_assert(
    [] {
        for (std::size_t code = 0; code < outcomes.size(); ++code)
            if (outcomes[code].kind != static_cast<OutcomeKind>(code))
                return false;
        return true;
    }(),
    "eval finds an outcome at its code");

/* kind 0..5 credits Amt x multiplier to Money, writes the comment and sets Amt to "0";
   any other kind changes nothing */
void eval(Captions& captions, const rt::Variant& kind);

} // namespace quorvex
