// Renders the window in play mode and in betting mode to PNG files, for the README.
// Usage: render_window OUTPUT_FOLDER
#include "app/Program.h"
#include "runtime/RandomGenerator.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("."));
    rt::RandomGenerator random(7);
    quorvex::Program program(quorvex::ProjectSettings{}, random, {});
    if (program.start())
        return 1;
    quorvex::Quorvex& window = program.window();
    const bool played = window.grab().save(folder.filePath("play-mode.png"));
    window.Bet.click();
    window.Dollar_MouseDown(2, 1, 0, 0, 0); // left presses on chips 2 and 0
    window.Dollar_MouseDown(0, 1, 0, 0, 0);
    const bool betting = window.grab().save(folder.filePath("betting-mode.png"));
    return played && betting ? 0 : 1;
}
