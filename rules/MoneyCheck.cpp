#include "rules/MoneyCheck.h"

#include "rules/Amounts.h"
#include "runtime/ProgramEnd.h"

namespace quorvex {

void moneycheck(const Captions& captions, rt::Messages& messages, const rt::Variant& kind) {
    const double bankroll = readAmount(captions, Label::Money);
    if (rt::isTrue(rt::equal(kind, std::int16_t{checkAtBet})) && bankroll <= 0) {
        messages.show(brokeMessage);
        rt::endProgram();
    }
    if (readAmount(captions, Label::Money) >= upperLimit) {
        messages.show(allTheMoneyMessage);
        rt::endProgram();
    }
}

} // namespace quorvex
