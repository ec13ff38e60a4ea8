#include "window/Design.h"

#include "window/Typefaces.h"

#include <algorithm>
#include <cmath>

namespace quorvex::design {

QFont fontOf(const FontDesign& design) {
    QFont font(typefaceFor(QString::fromLatin1(design.family)));
    font.setPixelSize(design.pixelSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleText(const QColor& background, const QColor& desktopText) {
    return contrastRatio(background, desktopText) >= minimumContrast ? desktopText
                                                                     : lightSchemeText;
}

} // namespace quorvex::design
