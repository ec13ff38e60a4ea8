#include "window/access/AnnouncerAccessible.h"

#include "window/access/Announcer.h"

#include <QWidget>

namespace quorvex {

AnnouncerAccessible::AnnouncerAccessible(Announcer& announcer) : announcer_(&announcer) {}

bool AnnouncerAccessible::isValid() const {
    return !announcer_.isNull();
}

QObject* AnnouncerAccessible::object() const {
    return announcer_;
}

QWindow* AnnouncerAccessible::window() const {
    return announcer_ ? announcer_->window().windowHandle() : nullptr;
}

QAccessibleInterface* AnnouncerAccessible::childAt(int, int) const {
    return nullptr;
}

QAccessibleInterface* AnnouncerAccessible::parent() const {
    return announcer_ ? QAccessible::queryAccessibleInterface(&announcer_->window()) : nullptr;
}

QAccessibleInterface* AnnouncerAccessible::child(int) const {
    return nullptr;
}

int AnnouncerAccessible::childCount() const {
    return 0;
}

int AnnouncerAccessible::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QString AnnouncerAccessible::text(QAccessible::Text t) const {
    return announcer_ && t == QAccessible::Name ? announcer_->text() : QString();
}

void AnnouncerAccessible::setText(QAccessible::Text, const QString&) {}

QRect AnnouncerAccessible::rect() const {
    return {};
}

QAccessible::Role AnnouncerAccessible::role() const {
    return QAccessible::Notification;
}

QAccessible::State AnnouncerAccessible::state() const {
    return {};
}

} // namespace quorvex
