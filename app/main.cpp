#include "app/Program.h"
#include "runtime/RandomGenerator.h"

#include <QApplication>

#include <cstdint>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace {

#ifdef Q_OS_WASM
void exitRuntime(void* exitCode) {
    emscripten_force_exit(static_cast<int>(reinterpret_cast<std::intptr_t>(exitCode)));
}
#endif

// How the game's end reaches what runs it. In a browser QApplication::exec() returns at once
// and the program lives on in the page: its runtime is ended, so the page learns of the end.
// The runtime ends by throwing, which the browser reports as an uncaught error unless it is
// thrown from a callback of the runtime's own: so it ends from a timer, once the handler that
// ended the game has returned.
void leave(int exitCode) {
#ifdef Q_OS_WASM
    emscripten_async_call(exitRuntime, reinterpret_cast<void*>(std::intptr_t{exitCode}), 0);
#else
    QCoreApplication::exit(exitCode);
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rt::RandomGenerator random;
    quorvex::Program program(quorvex::ProjectSettings{}, random, leave);
    if (const auto ended = program.start()) {
        leave(*ended);
        return *ended;
    }
    return QApplication::exec();
}
