#include "window/Design.h"

#include "window/Typefaces.h"

namespace quorvex::design {

QFont fontOf(const FontDesign& design) {
    QFont font(typefaceFor(QString::fromLatin1(design.family)));
    font.setPixelSize(design.pixelSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace quorvex::design
