#include "window/CaptionLabel.h"

namespace quorvex {
namespace {

QString colourRule(const char* property, const QColor& colour, const char* fallback) {
    const QString value = colour.isValid() ? colour.name() : QString::fromLatin1(fallback);
    return QString("%1: %2;").arg(QString::fromLatin1(property), value);
}

QString styleOf(const design::LabelDesign& design) {
    return "QLabel {" + colourRule("background-color", design.background, "palette(button)") +
           colourRule("color", design.text, "palette(button-text)") +
           " border: 1px solid black; padding: 0px; }";
}

} // namespace

QLabel* createCaptionLabel(QWidget& parent, const design::LabelDesign& design) {
    auto* label = new QLabel(QString::fromLatin1(design.caption), &parent);
    label->setObjectName(QString::fromLatin1(design.name));
    label->setGeometry(toPixels(design.place));
    label->setFont(design::fontOf(design.font));
    label->setStyleSheet(styleOf(design));
    label->setAlignment(Qt::AlignTop | (design.centred ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setWordWrap(true);
    label->setIndent(0);
    label->setMargin(1);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QLabel* copyCaptionLabel(const QLabel& original) {
    auto* label = new QLabel(original.text(), original.parentWidget());
    label->setObjectName(original.objectName());
    label->setGeometry(original.geometry());
    label->setFont(original.font());
    label->setStyleSheet(original.styleSheet());
    label->setAlignment(original.alignment());
    label->setWordWrap(original.wordWrap());
    label->setIndent(original.indent());
    label->setMargin(original.margin());
    label->setFocusPolicy(original.focusPolicy());
    label->hide();
    return label;
}

} // namespace quorvex
