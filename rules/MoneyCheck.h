#pragma once

#include "rules/Captions.h"
#include "runtime/Messages.h"
#include "runtime/Variant.h"

namespace quorvex {

inline constexpr const char* brokeMessage = "You're broke!";
inline constexpr const char* allTheMoneyMessage =
    "You have all the money in the world, there isn't any more. Sorry.";

enum MoneyCheckKind : std::int16_t { checkAtBet = 0, checkAtDone = 1 };

/* kind 0 (Bet) tests both limits, any other kind only the upper one. A limit that is hit shows
   its message and then ends the program (rt::ProgramEnd); otherwise nothing changes. */
void moneycheck(const Captions& captions, rt::Messages& messages, const rt::Variant& kind);

} // namespace quorvex
