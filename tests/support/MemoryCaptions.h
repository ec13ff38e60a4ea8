#pragma once

#include "rules/Captions.h"
#include "runtime/RunError.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// Captions held in memory, with a log of every write so tests can check order and count.
class MemoryCaptions final : public quorvex::Captions {
public:
    struct Write {
        std::string control;
        std::string text;
    };

    MemoryCaptions(std::string money = "1000", std::string amt = "0") {
        labels_[quorvex::Label::Money] = std::move(money);
        labels_[quorvex::Label::Amt] = std::move(amt);
        labels_[quorvex::Label::Comment] = "Comments";
    }

    std::string caption(quorvex::Label label) const override { return labels_.at(label); }
    void setCaption(quorvex::Label label, const std::string& text) override {
        labels_[label] = text;
        if (logging)
            writes.push_back({nameOf(label), text});
    }
    std::string reelCaption(std::int16_t reel) const override { return reels_.at(checked(reel)); }
    void setReelCaption(std::int16_t reel, const std::string& text) override {
        reels_.at(checked(reel)) = text;
        if (logging)
            writes.push_back({"Digit" + std::to_string(reel), text});
    }

    std::string money() const { return caption(quorvex::Label::Money); }
    std::string amt() const { return caption(quorvex::Label::Amt); }
    std::string comment() const { return caption(quorvex::Label::Comment); }
    std::string reelsShown() const { return reels_[0] + reels_[1] + reels_[2]; }

    std::size_t writesTo(const std::string& control) const {
        std::size_t count = 0;
        for (const Write& write : writes)
            count += write.control == control;
        return count;
    }

    std::vector<Write> writes;
    bool logging = true; // off for long runs

private:
    static std::size_t checked(std::int16_t reel) {
        if (reel < 0 || reel >= quorvex::reelCount)
            throw rt::RunError::noSuchElement();
        return static_cast<std::size_t>(reel);
    }
    static std::string nameOf(quorvex::Label label) {
        switch (label) {
        case quorvex::Label::Money:
            return "Money";
        case quorvex::Label::Amt:
            return "Amt";
        case quorvex::Label::Comment:
            return "Comment";
        }
        return "?";
    }

    std::map<quorvex::Label, std::string> labels_;
    std::array<std::string, quorvex::reelCount> reels_{"0", "0", "0"};
};
