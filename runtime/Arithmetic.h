#pragma once

#include <cstdint>

// Money arithmetic that turns an invalid or infinite result into a RunError.
namespace rt {

/* 0 <= exponent <= 22 gives an exact power; a negative one a RunError overflow */
double powerOfTen(std::int16_t exponent);
double floorOf(double value);

double checkedAdd(double left, double right);
double checkedSubtract(double left, double right);
double checkedMultiply(double left, double right);

} // namespace rt
