#include "app/Program.h"
#include "app/runtime/RandomGenerator.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rt::RandomGenerator random;
    quorvex::Program program(quorvex::ProjectSettings{}, random,
                             [](int exitCode) { QCoreApplication::exit(exitCode); });
    if (const auto ended = program.start())
        return *ended;
    return QApplication::exec();
}
