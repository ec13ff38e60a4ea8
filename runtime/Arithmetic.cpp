#include "runtime/Arithmetic.h"

#include "runtime/RunError.h"

#include <cmath>

namespace rt {
namespace {

double checked(double result) {
    if (std::isnan(result))
        throw RunError::invalidFloatingPoint();
    if (std::isinf(result))
        throw RunError::overflow();
    return result;
}

} // namespace

double powerOfTen(std::int16_t exponent) {
    if (exponent < 0)
        throw RunError::overflow();
    double power = 1.0;
    for (std::int16_t i = 0; i < exponent; ++i)
        power =
            checked(power * 10.0); // exact while the power stays below 2^53 * 5^k, i.e. to 10^22
    return power;
}

double floorOf(double value) {
    return std::floor(value);
}

double checkedAdd(double left, double right) {
    return checked(left + right);
}
double checkedSubtract(double left, double right) {
    return checked(left - right);
}
double checkedMultiply(double left, double right) {
    return checked(left * right);
}

} // namespace rt
