#include "app/Program.h"
#include "runtime/RandomGenerator.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace {

// How the game's end reaches what runs it. In a browser QApplication::exec() returns at once
// and the program lives on in the page: its runtime is ended, so the page learns of the end.
void leave(int exitCode) {
#ifdef Q_OS_WASM
    emscripten_force_exit(exitCode);
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
