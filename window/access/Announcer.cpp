#include "window/access/Announcer.h"

#include <QAccessible>
#include <QWidget>

namespace quorvex {

Announcer::Announcer(QWidget& window) : QObject(&window) {
    setObjectName("Announcer");
}

QWidget& Announcer::window() const {
    return static_cast<QWidget&>(*parent());
}

void Announcer::announce(const QString& text) {
    if (text.isEmpty())
        return;
    text_ = text;
    // Screen readers keep an object's name until told it changed (Orca 48 does), so the
    // change goes out before the showing that makes them read it.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(text_);
}

} // namespace quorvex
