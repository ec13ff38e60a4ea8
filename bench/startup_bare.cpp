// A bare window with the same eleven controls at the same places: plain Qt widgets,
// no picture, no colours, no game. The yardstick for the game's start-up.
// Its places and captions are the window's design (window/Design.h, header only: the game's
// code is not linked). With the argument "fonts" its controls also carry the game's typefaces
// and sizes.
#include "FirstPaint.h"
#include "window/Design.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

namespace design = quorvex::design;

// The face the game draws a designed family in on Debian (window/Typefaces.cpp), asked for by
// its own name as the game asks for it.
const char* debianFace(const char* designed) {
    const QByteArray family(designed);
    if (family == "Times New Roman")
        return "Liberation Serif";
    if (family == "News Gothic MT")
        return "Liberation Sans Narrow";
    return "Liberation Sans";
}

// A control at its designed place, in the designed face and size if withFonts.
void place(QWidget& control, const quorvex::TwipRect& twips, const design::FontDesign* face,
           bool withFonts) {
    control.setGeometry(quorvex::toPixels(twips));
    if (withFonts && face) {
        QFont font(debianFace(face->family));
        font.setPixelSize(face->pixelSize);
        control.setFont(font);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withFonts = argc > 1 && QByteArray(argv[1]) == "fonts";
    QWidget window;
    window.setFixedSize(quorvex::toPixels(design::clientWidth),
                        quorvex::toPixels(design::clientHeight));
    // Created in the game's order: the buttons, the first chip, the labels with the first reel.
    for (const auto& button : design::buttons)
        place(*new QPushButton(button.caption, &window), button.place, &design::buttonFont,
              withFonts);
    place(*new QLabel(&window), design::chipPlace, nullptr, withFonts);
    for (const auto& label : design::labels)
        place(*new QLabel(label.caption, &window), label.place, &label.font, withFonts);
    const FirstPaint probe(window);
    window.show();
    return QApplication::exec();
}
