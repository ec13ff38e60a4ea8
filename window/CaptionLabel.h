#pragma once

#include "window/Design.h"

#include <QLabel>

namespace quorvex {

// A framed box of text: text from the top edge, wrapped at word boundaries, cut off at the
// bottom, background over the whole box, a thin black border; it never resizes itself.
class CaptionLabel final : public QLabel {
    Q_OBJECT

public:
    CaptionLabel(QWidget& parent, const design::LabelDesign& design);
    /* a hidden label with every property of original but its place */
    explicit CaptionLabel(const CaptionLabel& original);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setColours(const QColor& background, const QColor& text);
};

} // namespace quorvex
