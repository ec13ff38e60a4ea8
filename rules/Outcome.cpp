#include "rules/Outcome.h"

namespace quorvex {
namespace {

using rt::Variant;

using rt::Truth;

template <typename... Parts> Truth all(Parts... parts) {
    Truth result = Truth::True;
    ((result = rt::logicalAnd(result, parts)), ...);
    return result;
}

template <typename... Parts> Truth any(Parts... parts) {
    Truth result = Truth::False;
    ((result = rt::logicalOr(result, parts)), ...);
    return result;
}

// X, Y, Z are reel0, reel1, reel2. Every part of a test is evaluated: no short-circuit.
Truth test(OutcomeKind kind, const ReelComparisons& c) {
    switch (kind) {
    case OutcomeKind::nothing:
        return all(c.xNotSeven, c.yNotSeven, c.zNotSeven, c.xNotY, c.yNotZ, c.xNotZ);
    case OutcomeKind::oneSeven:
        return any(all(c.xIsSeven, c.yNotSeven, c.zNotSeven),
                   all(c.yIsSeven, c.xNotSeven, c.zNotSeven),
                   all(c.xNotSeven, c.zIsSeven, c.yNotSeven));
    case OutcomeKind::twoSevens:
        return any(all(c.xIsSeven, c.yIsSeven, c.zNotSeven),
                   all(c.xIsSeven, c.zIsSeven, c.yNotSeven),
                   all(c.yIsSeven, c.zIsSeven, c.xNotSeven));
    case OutcomeKind::threeSevens:
        return all(c.xIsSeven, c.yIsSeven, c.zIsSeven);
    case OutcomeKind::threeOfAKind:
        return all(c.xIsY, c.yIsZ, c.xNotSeven);
    case OutcomeKind::pair:
        return any(all(c.xIsY, c.yNotZ, c.xNotSeven), all(c.xIsZ, c.yNotZ, c.xNotSeven),
                   all(c.xNotY, c.yIsZ, c.yNotSeven));
    }
    return Truth::False;
}

} // namespace

ReelComparisons compareReels(const Reels& reels) {
    const Variant& x = reels.reel0;
    const Variant& y = reels.reel1;
    const Variant z(reels.reel2);         // typed: compared with a text, the text is converted
    const Variant seven(std::int16_t{7}); // typed constant: the same
    const auto eq = [](const Variant& a, const Variant& b) { return rt::truthOf(rt::equal(a, b)); };
    const auto ne = [](const Variant& a, const Variant& b) {
        return rt::truthOf(rt::notEqual(a, b));
    };
    const auto plain = [](bool holds) { return holds ? Truth::True : Truth::False; };
    return {
        eq(x, seven), eq(y, seven), plain(reels.reel2 == 7),
        ne(x, seven), ne(y, seven), plain(reels.reel2 != 7),
        eq(x, y),     eq(y, z),     eq(x, z),
        ne(x, y),     ne(y, z),     ne(x, z),
    };
}

bool outcomeHolds(std::int16_t kind, const ReelComparisons& compared) {
    return rt::isTrue(test(static_cast<OutcomeKind>(kind), compared));
}

} // namespace quorvex
