#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace quorvex {

class Announcer;

// The announcer as assistive tools see it: a notification whose name is the last
// announcement. It sits under the window but is not one of the window's listed children.
class AnnouncerAccessible final : public QAccessibleInterface {
public:
    explicit AnnouncerAccessible(Announcer& announcer);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<Announcer> announcer_;
};

} // namespace quorvex
