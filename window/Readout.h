#pragma once

#include "rules/Captions.h"

#include <array>
#include <string>

namespace quorvex {

// What a player reads in the window at one moment.
struct Readout {
    std::array<std::string, reelCount> reels;
    std::string comment;
    std::string money;
    std::string stake;

    bool operator==(const Readout&) const = default;
};

Readout readOut(const Captions& captions);

// What a handler's announcement tells: a stake the two amounts; a spin the reels, the message
// and the amounts, or the message alone when it was refused; anything else the whole state.
enum class Report { Stake, Spin, State };

/* empty when nothing the player reads has changed */
std::string announcement(const Readout& before, const Readout& after, Report report);

} // namespace quorvex
