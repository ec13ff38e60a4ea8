#pragma once

#include "app/runtime/Variant.h"
#include "rules/Captions.h"

#include <array>
#include <cstdint>

namespace quorvex {

inline constexpr const char* noBetHint = "If you don't bet, you can't win.";

struct Outcome {
    std::int16_t multiplier; // 0: the stake is lost and Money is not touched
    const char* comment;
};

inline constexpr std::array<Outcome, 6> outcomes{{
    {0, "Sorry, try again! You didn't get anything."},
    {10, "One seven! You got ten times your bid."},
    {100, "A pair of sevens! You got a hundred times your bid!"},
    {1000, "You won the jackpot! Boy, are you lucky! You got a thousand times your bid!"},
    {100, "Great! You got a three of a kind! You got a hundred times your bid!"},
    {10, "You got a pair! You got ten times your bid!"},
}};

/* kind 0..5 credits Amt x multiplier to Money, writes the comment and sets Amt to "0";
   any other kind changes nothing */
void eval(Captions& captions, const rt::Variant& kind);

} // namespace quorvex
