#pragma once

#include "window/Twips.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

// The window as designed: every control's place, caption, font and colours.
namespace quorvex::design {

inline constexpr const char* windowTitle = "Quorvex!";
inline constexpr int clientWidth = 10185;
inline constexpr int clientHeight = 7185;
inline const QColor windowBackground{0, 0, 255};

struct FontDesign {
    const char* family;
    int pixelSize; // the point size at 96 dots per inch
    bool bold;
};

struct ButtonDesign {
    const char* name;
    const char* caption;
    TwipRect place;
    int tabIndex; // Tab moves the focus from button to button in this order
    bool visible;
};

struct LabelDesign {
    const char* name;
    const char* caption;
    TwipRect place;
    FontDesign font;
    QColor background;
    QColor text; // invalid: the desktop's button-text colour, if legible (legibleText)
    bool centred;
};

inline constexpr FontDesign buttonFont{"Times New Roman", 29, true};

// In the order the window creates them, with the chip image between Spin and Amt.
inline constexpr std::array<ButtonDesign, 5> buttons{{
    {"Reset", "Reset", {1800, 240, 1815, 855}, 9, true},
    {"Done", "Done", {1800, 1080, 1815, 975}, 8, false},
    {"End", "End", {360, 2040, 1455, 975}, 2, true},
    {"Bet", "Bet", {360, 1080, 1455, 975}, 1, true},
    {"Spin", "Spin", {360, 240, 1455, 855}, 0, true},
}};

// The captions the window starts with, which Reset restores.
inline constexpr const char* startingBankroll = "1000";
inline constexpr const char* startingStake = "0";
inline constexpr const char* startingComment = "Comments";
inline constexpr const char* startingReel = "0";

// Chip 0 heads a grid of three columns, chips numbered along the rows; the reels stand in a
// row from reel 0.
inline constexpr TwipRect chipPlace{3600, 2160, 1815, 735};
inline constexpr int chipColumns = 3;
inline constexpr int chipColumnPitch = 1800;
inline constexpr int chipRowPitch = 720;
inline constexpr TwipRect reelPlace{4080, 720, 1215, 1215};
// 15 twips less apart than the reels are wide, so neighbours share a border.
inline constexpr int reelPitch = 1200;

inline const QColor orange{255, 128, 0};
inline const QColor yellow{255, 255, 0};
inline const QColor green{0, 255, 0};
inline const QColor red{255, 0, 0};

inline const std::array<LabelDesign, 5> labels{{
    {"Amt",
     startingStake,
     {4560, 5640, 4095, 615},
     {"MS Sans Serif", 32, false},
     orange,
     {},
     false},
    {"Digit", startingReel, reelPlace, {"News Gothic MT", 64, true}, yellow, red, true},
    {"Comment",
     startingComment,
     {360, 6240, 4455, 1215},
     {"MS Sans Serif", 18, false},
     green,
     {},
     false},
    {"MoneyLabel", "Money", {360, 5040, 1575, 615}, {"Tahoma", 29, true}, green, {}, false},
    {"Money",
     startingBankroll,
     {360, 5640, 4215, 615},
     {"MS Sans Serif", 32, false},
     orange,
     {},
     false},
}};

QFont fontOf(const FontDesign& design);

// The labels' backgrounds are fixed, the desktop's button-text colour is not: a dark scheme
// makes it light. Text keeps at least this contrast (the relative-luminance ratio of WCAG 2)
// against its background; where the desktop's colour falls short, the text takes the
// button-text colour of the light scheme the window was drawn for.
inline constexpr double minimumContrast = 4.5;
inline const QColor lightSchemeText{0, 0, 0};
double contrastRatio(const QColor& a, const QColor& b);
QColor legibleText(const QColor& background, const QColor& desktopText);

} // namespace quorvex::design
