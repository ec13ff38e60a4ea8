#include "runtime/RunError.h"

#include <utility>

namespace rt {

RunError::RunError(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

RunError RunError::typeMismatch() {
    return {TypeMismatch, "Type mismatch"};
}
RunError RunError::overflow() {
    return {Overflow, "Overflow"};
}
RunError RunError::divisionByZero() {
    return {DivisionByZero, "Division by zero"};
}
RunError RunError::invalidFloatingPoint() {
    return {InvalidFloatingPoint, "Invalid floating-point operation"};
}
RunError RunError::noSuchElement() {
    return {NoSuchElement, "Control array element doesn't exist"};
}
RunError RunError::elementExists() {
    return {ElementExists, "Object already loaded"};
}

} // namespace rt
