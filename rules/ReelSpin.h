#pragma once

#include "rules/Captions.h"
#include "rules/Outcome.h"
#include "runtime/RandomSource.h"

namespace quorvex {

// One press of Spin, and the three reel variables it keeps from one spin to the next.
class ReelSpin {
public:
    /* a zero stake only writes the hint to Comment and draws nothing; otherwise draws
       Digit(0), Digit(1), Digit(2) in that order and applies every outcome test that holds */
    void spin(Captions& captions, rt::RandomSource& random);

    const Reels& reels() const { return reels_; }

private:
    static void draw(Captions& captions, rt::RandomSource& random);
    void readBack(const Captions& captions);

    Reels reels_;
};

} // namespace quorvex
