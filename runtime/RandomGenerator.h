#pragma once

#include "runtime/RandomSource.h"

#include <cstdint>
#include <random>

namespace rt {

class RandomGenerator final : public RandomSource {
public:
    explicit RandomGenerator(std::uint64_t seed = 0) : engine_(seed) {}

    // Clock time mixed with the system's entropy, so two starts in one clock tick still differ.
    void randomize() override;
    // 24 random bits over 2^24: every value is exact in a float and the largest is below 1.
    float next() override;

    static float fromBits(std::uint32_t bits24);

private:
    std::mt19937_64 engine_;
};

} // namespace rt
