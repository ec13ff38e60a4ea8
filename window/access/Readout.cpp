#include "window/access/Readout.h"

#include "window/ChipKeys.h"

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

bool captionsUnchanged(const Readout& before, const Readout& after) {
    return onlyCommentChanged(before, after) && before.comment == after.comment;
}

std::string modeChange(const Readout& now) {
    return now.betting ? "Chips shown: " + chipKeysDescription().toStdString()
                       : "Betting over. Spin is back.";
}

std::string captionsTold(const Readout& before, const Readout& after, Report report) {
    if (captionsUnchanged(before, after))
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

} // namespace

Readout readOut(const Captions& captions, bool betting) {
    Readout now;
    for (std::int16_t i = 0; i < reelCount; ++i)
        now.reels[static_cast<std::size_t>(i)] = captions.reelCaption(i);
    now.comment = captions.caption(Label::Comment);
    now.money = captions.caption(Label::Money);
    now.stake = captions.caption(Label::Amt);
    now.betting = betting;
    return now;
}

std::string announcement(const Readout& before, const Readout& after, Report report) {
    const std::string mode = before.betting == after.betting ? "" : modeChange(after);
    const std::string captions = captionsTold(before, after, report);
    return mode.empty() || captions.empty() ? mode + captions : mode + " " + captions;
}

std::string greeting(const Readout& now) {
    return amounts(now);
}

} // namespace quorvex
