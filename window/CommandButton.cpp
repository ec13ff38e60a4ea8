#include "window/CommandButton.h"

#include <QKeyEvent>

namespace quorvex {

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

} // namespace quorvex
