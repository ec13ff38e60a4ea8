#include "window/ChipImage.h"

#include "window/ChipPicture.h"
#include "window/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorvex {

ChipImage::ChipImage(QWidget& parent, const ChipPicture& picture, std::int16_t index)
    : QWidget(&parent), picture_(picture), index_(index) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MouseButton ChipImage::buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return leftButton;
    case Qt::RightButton:
        return rightButton;
    case Qt::MiddleButton:
        return middleButton;
    default:
        return noButton;
    }
}

std::int16_t ChipImage::shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                     (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                     (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

void ChipImage::press(MouseButton button, std::int16_t shift) {
    if (isVisible())
        emit pressed(index_, button, shift, 0.0f, 0.0f);
}

void ChipImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_.pixmap(size(), devicePixelRatioF()));
}

void ChipImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position() * twipsPerPixel;
    emit pressed(index_, buttonCode(event->button()), shiftCode(event->modifiers()),
                 static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void ChipImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void ChipImage::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace quorvex
