#pragma once

#include "rules/Captions.h"

#include <cstdint>

namespace quorvex {

/* 0 <= chip < chipCount. Moves the chip's value from Money to Amt (Money written first);
   does nothing, silently, when the bankroll is smaller than the chip. */
void stakeChip(Captions& captions, std::int16_t chip);

} // namespace quorvex
