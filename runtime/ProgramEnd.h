#pragma once

namespace rt {

// Thrown by endProgram and caught only where events enter the program, so nothing of the
// handler that ended the game runs afterwards. Deliberately not a std::exception.
struct ProgramEnd {};

[[noreturn]] void endProgram();

} // namespace rt
