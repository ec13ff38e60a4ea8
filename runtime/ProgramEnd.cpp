#include "runtime/ProgramEnd.h"

namespace rt {

void endProgram() {
    throw ProgramEnd{};
}

} // namespace rt
