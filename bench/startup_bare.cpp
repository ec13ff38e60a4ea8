// A bare window with the same eleven controls at the same places: plain Qt widgets,
// no picture, no colours, no game. The yardstick for the game's start-up.
// With the argument "fonts" its controls also carry the game's typefaces and sizes.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <array>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withFonts = argc > 1 && QByteArray(argv[1]) == "fonts";
    QWidget window;
    window.setFixedSize(679, 479);
    struct Box {
        const char* caption;
        QRect place;
        bool button;
        const char* family;
        int pixels;
    };
    const std::array<Box, 11> boxes{{
        {"Reset", {120, 16, 121, 57}, true, "Liberation Serif", 29},
        {"Done", {120, 72, 121, 65}, true, "Liberation Serif", 29},
        {"End", {24, 136, 97, 65}, true, "Liberation Serif", 29},
        {"Bet", {24, 72, 97, 65}, true, "Liberation Serif", 29},
        {"Spin", {24, 16, 97, 57}, true, "Liberation Serif", 29},
        {"", {240, 144, 121, 49}, false, nullptr, 0},
        {"0", {304, 376, 273, 41}, false, "Liberation Sans", 32},
        {"0", {272, 48, 81, 81}, false, "Liberation Sans Narrow", 64},
        {"Comments", {24, 416, 297, 81}, false, "Liberation Sans", 18},
        {"Money", {24, 336, 105, 41}, false, "Liberation Sans", 29},
        {"1000", {24, 376, 281, 41}, false, "Liberation Sans", 32},
    }};
    for (const Box& box : boxes) {
        QWidget* control = box.button ? static_cast<QWidget*>(new QPushButton(box.caption, &window))
                                      : new QLabel(box.caption, &window);
        control->setGeometry(box.place);
        if (withFonts && box.family) {
            QFont font(box.family);
            font.setPixelSize(box.pixels);
            control->setFont(font);
        }
    }
    const FirstPaint probe(window);
    window.show();
    return QApplication::exec();
}
