// The real game's start-up, up to its first painted frame.
#include "FirstPaint.h"
#include "app/Program.h"
#include "runtime/RandomGenerator.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rt::RandomGenerator random;
    quorvex::Program program(quorvex::ProjectSettings{}, random,
                             [](int code) { QCoreApplication::exit(code); });
    if (program.start())
        return 1;
    // Installed after the game's own watch, so told of the first paint first: the figure is
    // the first frame, not the work the game leaves until after it.
    const FirstPaint probe(program.window());
    return QApplication::exec();
}
