#include "window/ChipImage.h"

#include "window/ChipPicture.h"
#include "window/Twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace quorvex {

ChipImage::ChipImage(QWidget& parent, const ChipPicture& picture, std::int16_t index)
    : QWidget(&parent), picture_(picture), index_(index), touch_(*this) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents); // taken here, so Qt makes no mouse press of them
    // A chip hidden while a finger holds it takes no long press.
    const auto as = [this](MouseButton button) {
        return [this, button](QPointF at) {
            if (isVisible())
                report(button, shiftCode(QGuiApplication::keyboardModifiers()), at);
        };
    };
    connect(&touch_, &TouchPress::tapped, this, as(leftButton));
    connect(&touch_, &TouchPress::held, this, as(rightButton));
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
        report(button, shift, {});
}

void ChipImage::report(MouseButton button, std::int16_t shift, QPointF at) {
    const QPointF twips = at * twipsPerPixel;
    emit pressed(index_, button, shift, static_cast<float>(twips.x()),
                 static_cast<float>(twips.y()));
}

bool ChipImage::event(QEvent* event) {
    if (event->isPointerEvent() && touch_.follow(static_cast<const QPointerEvent&>(*event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ChipImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_.pixmap(size(), devicePixelRatioF()));
}

void ChipImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    report(buttonCode(event->button()), shiftCode(event->modifiers()), event->position());
}

void ChipImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void ChipImage::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace quorvex
