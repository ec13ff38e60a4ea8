#include "window/CommandButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace quorvex {
namespace {

constexpr int ringWidth = 2; // logical pixels, so the ring keeps its width at every scale

void frame(QPainter& painter, const QRect& box, const QColor& colour) {
    const int w = ringWidth;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), w), colour);
    painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), colour);
    painter.fillRect(QRect(box.left(), box.top(), w, box.height()), colour);
    painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), colour);
}

} // namespace

CommandButton::CommandButton(const QString& caption, QWidget& parent)
    : QPushButton(caption, &parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    // Inside the button's own outline, which neighbours share: yellow next to the dark
    // outline, black next to the pale face.
    QPainter painter(this);
    const QRect outer = rect().adjusted(1, 1, -1, -1);
    frame(painter, outer, Qt::yellow);
    frame(painter, outer.adjusted(ringWidth, ringWidth, -ringWidth, -ringWidth), Qt::black);
}

} // namespace quorvex
