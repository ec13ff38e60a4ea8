#pragma once

#include <QRect>

namespace quorvex {

// Layout is designed in twips; at 15 twips a device-independent pixel, Qt's high-DPI
// scaling keeps boxes and text in proportion on every screen.
inline constexpr int twipsPerPixel = 15;

struct TwipRect {
    int left, top, width, height;
};

constexpr int toPixels(int twips) {
    return twips / twipsPerPixel;
}

inline QRect toPixels(const TwipRect& r) {
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

} // namespace quorvex
