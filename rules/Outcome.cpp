#include "rules/Outcome.h"

namespace quorvex {
namespace {

using rt::Variant;

Variant all(std::initializer_list<Variant> parts) {
    Variant result(true);
    for (const Variant& part : parts)
        result = rt::logicalAnd(result, part);
    return result;
}

Variant any(std::initializer_list<Variant> parts) {
    Variant result(false);
    for (const Variant& part : parts)
        result = rt::logicalOr(result, part);
    return result;
}

// Every comparison of every test is evaluated: there is no short-circuit.
Variant test(std::int16_t kind, const Reels& reels) {
    const Variant& x = reels.reel0;
    const Variant& y = reels.reel1;
    const Variant z(reels.reel2);
    const Variant seven(std::int16_t{7});
    const auto eq = [](const Variant& a, const Variant& b) { return rt::equal(a, b); };
    const auto ne = [](const Variant& a, const Variant& b) { return rt::notEqual(a, b); };
    const Variant zIsSeven(reels.reel2 == 7);
    const Variant zNotSeven(reels.reel2 != 7);

    switch (kind) {
    case 0:
        return all({ne(x, seven), ne(y, seven), zNotSeven, ne(x, y), ne(y, z), ne(x, z)});
    case 1:
        return any({all({eq(x, seven), ne(y, seven), zNotSeven}),
                    all({eq(y, seven), ne(x, seven), zNotSeven}),
                    all({ne(x, seven), zIsSeven, ne(y, seven)})});
    case 2:
        return any({all({eq(x, seven), eq(y, seven), zNotSeven}),
                    all({eq(x, seven), zIsSeven, ne(y, seven)}),
                    all({eq(y, seven), zIsSeven, ne(x, seven)})});
    case 3:
        return all({eq(x, seven), eq(y, seven), zIsSeven});
    case 4:
        return all({eq(x, y), eq(y, z), ne(x, seven)});
    case 5:
        return any({all({eq(x, y), ne(y, z), ne(x, seven)}),
                    all({eq(x, z), ne(y, z), ne(x, seven)}),
                    all({ne(x, y), eq(y, z), ne(y, seven)})});
    default:
        return Variant(false);
    }
}

} // namespace

bool outcomeHolds(std::int16_t kind, const Reels& reels) {
    return rt::isTrue(test(kind, reels));
}

} // namespace quorvex
