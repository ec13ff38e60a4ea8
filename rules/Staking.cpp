#include "rules/Staking.h"

#include "rules/Amounts.h"
#include "runtime/Arithmetic.h"

namespace quorvex {

void stakeChip(Captions& captions, std::int16_t chip) {
    const double value = chipValue(chip);
    if (readAmount(captions, Label::Money) < value)
        return;
    writeAmount(captions, Label::Money,
                rt::checkedSubtract(readAmount(captions, Label::Money), value));
    writeAmount(captions, Label::Amt, rt::checkedAdd(readAmount(captions, Label::Amt), value));
}

} // namespace quorvex
