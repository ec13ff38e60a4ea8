#include "window/Readout.h"

#include <string_view>

namespace quorvex {
namespace {

std::string amounts(const Readout& now) {
    return "Money " + now.money + ", stake " + now.stake + ".";
}

// "Comments" has no full stop of its own; every message of a result has one.
std::string sentence(const std::string& text) {
    const bool closed =
        !text.empty() && std::string_view(".!?").find(text.back()) != std::string_view::npos;
    return closed ? text : text + ".";
}

std::string whole(const Readout& now) {
    std::string reels = "Reels";
    for (const std::string& reel : now.reels)
        reels += " " + reel;
    return reels + ". " + sentence(now.comment) + " " + amounts(now);
}

bool onlyCommentChanged(const Readout& before, const Readout& after) {
    return before.reels == after.reels && before.money == after.money &&
           before.stake == after.stake;
}

} // namespace

Readout readOut(const Captions& captions) {
    Readout now;
    for (std::int16_t i = 0; i < reelCount; ++i)
        now.reels[static_cast<std::size_t>(i)] = captions.reelCaption(i);
    now.comment = captions.caption(Label::Comment);
    now.money = captions.caption(Label::Money);
    now.stake = captions.caption(Label::Amt);
    return now;
}

std::string announcement(const Readout& before, const Readout& after, Report report) {
    if (before == after)
        return {};
    switch (report) {
    case Report::Stake:
        return amounts(after);
    case Report::Spin:
        return onlyCommentChanged(before, after) ? after.comment : whole(after);
    case Report::State:
        return whole(after);
    }
    return {};
}

} // namespace quorvex
