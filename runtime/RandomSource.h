#pragma once

namespace rt {

// Where the reels get their chance from; a test can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;
    /* 0 <= next() < 1 */
    virtual float next() = 0;
};

} // namespace rt
