#pragma once

#include "rules/Captions.h"

#include <cstdint>

// The bankroll (Money) and the stake (Amt) live only as decimal text in their captions.
namespace quorvex {

inline constexpr std::int16_t chipCount = 12;
inline constexpr double upperLimit = 1e12;

/* label is Money or Amt; reads the caption now and converts it */
double readAmount(const Captions& captions, Label label);
void writeAmount(Captions& captions, Label label, double amount);

/* 0 <= chip < chipCount: 10^chip dollars */
double chipValue(std::int16_t chip);

} // namespace quorvex
