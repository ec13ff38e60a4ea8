#pragma once

#include <exception>
#include <string>

namespace rt {

// The one kind of run-time failure: it carries a number and a description,
// passes up through every procedure and ends the program when it reaches the event gate.
class RunError : public std::exception {
public:
    enum Number : int {
        InvalidFloatingPoint = 5,
        Overflow = 6,
        OutOfMemory = 7,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InternalError = 51,
        NoSuchElement = 340,
        ElementExists = 360,
    };

    RunError(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

    static RunError typeMismatch();
    static RunError overflow();
    // Part of the runtime's floating-point errors, though the game itself never divides.
    static RunError divisionByZero();
    static RunError invalidFloatingPoint();
    static RunError noSuchElement();
    static RunError elementExists();

private:
    int number_;
    std::string description_;
};

} // namespace rt
