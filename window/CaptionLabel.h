#pragma once

#include "window/Design.h"

#include <QLabel>

namespace quorvex {

// A framed box of text: text from the top edge, wrapped at word boundaries, cut off at the
// bottom, background over the whole box; it never resizes itself.
QLabel* createCaptionLabel(QWidget& parent, const design::LabelDesign& design);

/* a hidden label with every property of original but its place */
QLabel* copyCaptionLabel(const QLabel& original);

} // namespace quorvex
