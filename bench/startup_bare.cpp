// A bare window with the same eleven controls at the same places: plain Qt widgets,
// no picture, no style sheets, no game. The yardstick for the game's start-up.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <array>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(679, 479);
    struct Box {
        const char* caption;
        QRect place;
        bool button;
    };
    const std::array<Box, 11> boxes{{
        {"Reset", {120, 16, 121, 57}, true},
        {"Done", {120, 72, 121, 65}, true},
        {"End", {24, 136, 97, 65}, true},
        {"Bet", {24, 72, 97, 65}, true},
        {"Spin", {24, 16, 97, 57}, true},
        {"", {240, 144, 121, 49}, false},
        {"0", {304, 376, 273, 41}, false},
        {"0", {272, 48, 81, 81}, false},
        {"Comments", {24, 416, 297, 81}, false},
        {"Money", {24, 336, 105, 41}, false},
        {"1000", {24, 376, 281, 41}, false},
    }};
    for (const Box& box : boxes) {
        QWidget* control = box.button ? static_cast<QWidget*>(new QPushButton(box.caption, &window))
                                      : new QLabel(box.caption, &window);
        control->setGeometry(box.place);
    }
    const FirstPaint probe(window);
    window.show();
    return QApplication::exec();
}
