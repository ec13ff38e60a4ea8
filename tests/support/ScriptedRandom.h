#pragma once

#include "runtime/RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

// Hands out the values it was given, so a test can force the reels.
class ScriptedRandom final : public rt::RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

    /* each digit 0..9 becomes a value that draws that digit */
    static ScriptedRandom forDigits(const std::vector<int>& digits) {
        ScriptedRandom script;
        script.push(digits);
        return script;
    }

    void push(const std::vector<int>& digits) {
        for (int digit : digits)
            values_.push_back((static_cast<float>(digit) + 0.5f) / 10.0f);
    }

    void randomize() override { ++randomizeCalls; }
    float next() override {
        if (drawn_ >= values_.size())
            throw std::logic_error("script exhausted");
        return values_[drawn_++];
    }

    std::size_t drawn() const { return drawn_; }
    int randomizeCalls = 0;

private:
    std::vector<float> values_;
    std::size_t drawn_ = 0;
};
