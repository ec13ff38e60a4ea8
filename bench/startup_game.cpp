// The real game's start-up, up to its first painted frame.
#include "FirstPaint.h"
#include "app/Program.h"
#include "app/runtime/RandomGenerator.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rt::RandomGenerator random;
    quorvex::Program program(quorvex::ProjectSettings{}, random,
                             [](int code) { QCoreApplication::exit(code); });
    const FirstPaint probe(program.window());
    if (program.start())
        return 1;
    return QApplication::exec();
}
