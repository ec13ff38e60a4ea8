#pragma once

#include "rules/Captions.h"

#include <array>
#include <string>

namespace quorvex {

// What a player reads in the window at one moment, and whether the chips are out.
struct Readout {
    std::array<std::string, reelCount> reels;
    std::string comment;
    std::string money;
    std::string stake;
    bool betting = false;

    bool operator==(const Readout&) const = default;
};

Readout readOut(const Captions& captions, bool betting);

// What a handler's announcement tells: a stake the two amounts; a spin the reels, the message
// and the amounts, or the message alone when it was refused; anything else the whole state.
// Chips shown or hidden are told first, with the keys that stake them or that Spin is back.
enum class Report { Stake, Spin, State };

/* empty when nothing the player reads or sees has changed */
std::string announcement(const Readout& before, const Readout& after, Report report);

/* what the window tells when it first takes the focus: the two amounts */
std::string greeting(const Readout& now);

} // namespace quorvex
