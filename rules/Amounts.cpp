#include "rules/Amounts.h"

#include "runtime/Arithmetic.h"
#include "runtime/Conversion.h"

namespace quorvex {

double readAmount(const Captions& captions, Label label) {
    return rt::textToDouble(captions.caption(label));
}

void writeAmount(Captions& captions, Label label, double amount) {
    captions.setCaption(label, rt::doubleToText(amount));
}

double chipValue(std::int16_t chip) {
    return rt::powerOfTen(chip);
}

} // namespace quorvex
