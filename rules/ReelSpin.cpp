#include "rules/ReelSpin.h"

#include "rules/Amounts.h"
#include "rules/Payout.h"
#include "runtime/Arithmetic.h"
#include "runtime/Conversion.h"

namespace quorvex {

void ReelSpin::spin(Captions& captions, rt::RandomSource& random) {
    if (readAmount(captions, Label::Amt) == 0) {
        captions.setCaption(Label::Comment, noBetHint);
        return;
    }
    draw(captions, random);
    readBack(captions);
    const ReelComparisons compared = compareReels(reels_);
    for (std::int16_t kind = 0; kind < outcomeKinds; ++kind) {
        if (outcomeHolds(kind, compared))
            eval(captions, rt::Variant(kind));
    }
}

void ReelSpin::draw(Captions& captions, rt::RandomSource& random) {
    constexpr float reelFaces = 10.0f;
    for (std::int16_t reel = 0; reel < reelCount; ++reel) {
        // The product is taken in double, so it is exact and never rounds up to 10.
        const double scaled = rt::checkedMultiply(double{reelFaces}, double{random.next()});
        captions.setReelCaption(reel, rt::doubleToText(rt::floorOf(scaled)));
    }
}

void ReelSpin::readBack(const Captions& captions) {
    reels_.reel0 = rt::Variant(captions.reelCaption(0));
    reels_.reel1 = rt::Variant(captions.reelCaption(1));
    reels_.reel2 = rt::textToInt16(captions.reelCaption(2));
}

} // namespace quorvex
