#include "runtime/RandomGenerator.h"

#include <chrono>

namespace rt {

void RandomGenerator::randomize() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::random_device entropy;
    const std::uint64_t noise = (std::uint64_t{entropy()} << 32) | entropy();
    engine_.seed(static_cast<std::uint64_t>(ticks) ^ noise);
}

float RandomGenerator::fromBits(std::uint32_t bits24) {
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(bits24 & 0xFFFFFFu) * scale;
}

float RandomGenerator::next() {
    return fromBits(static_cast<std::uint32_t>(engine_() >> 40));
}

} // namespace rt
