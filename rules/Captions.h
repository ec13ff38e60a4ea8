#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

enum class Label { Money, Amt, Comment };

inline constexpr std::int16_t reelCount = 3;

// The captions the rules read and write; the window implements it with its labels.
// Every call reaches the control afresh; nothing is cached between calls.
class Captions {
public:
    virtual ~Captions() = default;
    virtual std::string caption(Label label) const = 0;
    virtual void setCaption(Label label, const std::string& text) = 0;
    /* 0 <= reel < reelCount, otherwise RunError no such element */
    virtual std::string reelCaption(std::int16_t reel) const = 0;
    virtual void setReelCaption(std::int16_t reel, const std::string& text) = 0;
};

} // namespace quorvex
