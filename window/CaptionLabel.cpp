#include "window/CaptionLabel.h"

#include <QPainter>

namespace quorvex {

CaptionLabel::CaptionLabel(QWidget& parent, const design::LabelDesign& design)
    : QLabel(QString::fromLatin1(design.caption), &parent) {
    setObjectName(QString::fromLatin1(design.name));
    setGeometry(toPixels(design.place));
    setFont(design::fontOf(design.font));
    setColours(design.background,
               design.text.isValid()
                   ? design.text
                   : design::legibleText(design.background, palette().color(QPalette::ButtonText)));
    setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    setWordWrap(true);
    setIndent(0);
    setMargin(2); // inside the one-pixel border
    setFocusPolicy(Qt::NoFocus);
}

CaptionLabel::CaptionLabel(const CaptionLabel& original)
    : QLabel(original.text(), original.parentWidget()) {
    setObjectName(original.objectName());
    setGeometry(original.geometry());
    setFont(original.font());
    setColours(original.palette().color(QPalette::Window),
               original.palette().color(QPalette::WindowText));
    setAlignment(original.alignment());
    setWordWrap(original.wordWrap());
    setIndent(original.indent());
    setMargin(original.margin());
    setFocusPolicy(original.focusPolicy());
    hide();
}

void CaptionLabel::setColours(const QColor& background, const QColor& text) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
    setAutoFillBackground(true);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // Whole logical pixels, so the border keeps its width at every display scale.
    QPainter painter(this);
    const int w = width(), h = height();
    for (const QRect& edge :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(edge, Qt::black);
}

} // namespace quorvex
