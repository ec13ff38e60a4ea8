// Prints the window's places in pixels, from its design, for the scripts that play it by its
// pixels (tools/harness/places.sh and places.py). A line is a place's name, its left, top,
// width and height, and its centre's x and y: the window; the buttons and labels by name; the
// chips chip0 to chip11, the reels reel0 to reel2 and their row, reels. The copies are placed
// by the design's grid, not by the window's code, so a control the window misplaces is caught.
// Usage: window_places
#include "rules/Amounts.h"
#include "rules/Captions.h"
#include "window/Design.h"

#include <QRect>

#include <iostream>
#include <string>

namespace {

namespace design = quorvex::design;
using quorvex::toPixels;
using quorvex::TwipRect;

void print(const std::string& name, const QRect& place) {
    std::cout << name << ' ' << place.x() << ' ' << place.y() << ' ' << place.width() << ' '
              << place.height() << ' ' << place.center().x() << ' ' << place.center().y() << '\n';
}

QRect chipPlace(int chip) {
    const TwipRect& first = design::chipPlace;
    return toPixels(TwipRect{first.left + design::chipColumnPitch * (chip % design::chipColumns),
                             first.top + design::chipRowPitch * (chip / design::chipColumns),
                             first.width, first.height});
}

QRect reelPlace(int reel) {
    const TwipRect& first = design::reelPlace;
    return toPixels(
        TwipRect{first.left + design::reelPitch * reel, first.top, first.width, first.height});
}

} // namespace

int main() {
    print("window", QRect(0, 0, toPixels(design::clientWidth), toPixels(design::clientHeight)));
    for (const auto& button : design::buttons)
        print(button.name, toPixels(button.place));
    for (const auto& label : design::labels)
        print(label.name, toPixels(label.place));
    for (int chip = 0; chip < quorvex::chipCount; ++chip)
        print("chip" + std::to_string(chip), chipPlace(chip));
    for (int reel = 0; reel < quorvex::reelCount; ++reel)
        print("reel" + std::to_string(reel), reelPlace(reel));
    print("reels", reelPlace(0).united(reelPlace(quorvex::reelCount - 1)));
    return std::cout ? 0 : 1;
}
