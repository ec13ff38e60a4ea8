#include "rules/Payout.h"

#include "runtime/Arithmetic.h"
#include "runtime/Conversion.h"

namespace quorvex {
namespace {

void credit(Captions& captions, double multiplier) {
    const std::string stakeText = captions.caption(Label::Amt);
    const std::string bankrollText = captions.caption(Label::Money);
    const double winnings = rt::checkedMultiply(rt::textToDouble(stakeText), multiplier);
    const double bankroll = rt::checkedAdd(rt::textToDouble(bankrollText), winnings);
    captions.setCaption(Label::Money, rt::doubleToText(bankroll));
}

void apply(Captions& captions, const Outcome& outcome) {
    if (outcome.multiplier != 0)
        credit(captions, outcome.multiplier);
    captions.setCaption(Label::Comment, outcome.comment);
    captions.setCaption(Label::Amt, rt::int16ToText(0));
}

} // namespace

void eval(Captions& captions, const rt::Variant& kind) {
    for (std::int16_t code = 0; code < std::int16_t(outcomes.size()); ++code) {
        if (rt::isTrue(rt::equal(kind, code))) {
            apply(captions, outcomes[code]);
            return;
        }
    }
}

} // namespace quorvex
