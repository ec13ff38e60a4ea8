#include "window/access/ChipAccessible.h"

#include "window/ChipImage.h"
#include "window/ChipKeys.h"

#include <QPointer>

namespace quorvex {

ChipAccessible::ChipAccessible(ChipImage& chip) : QAccessibleWidget(&chip, QAccessible::Button) {}

ChipImage& ChipAccessible::chip() const {
    return static_cast<ChipImage&>(*widget());
}

QStringList ChipAccessible::actionNames() const {
    return {pressAction(), showMenuAction()};
}

void ChipAccessible::doAction(const QString& actionName) {
    MouseButton button = noButton;
    if (actionName == pressAction())
        button = leftButton;
    else if (actionName == showMenuAction())
        button = rightButton;
    else
        return;
    // Later, from the event loop: the tool that asked gets its answer before a message box
    // waits for the player.
    QMetaObject::invokeMethod(
        &chip(),
        [target = QPointer<ChipImage>(&chip()), button] {
            if (target)
                target->press(button, 0);
        },
        Qt::QueuedConnection);
}

QStringList ChipAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString key = keyOfChip(chip().index());
    if (actionName == pressAction())
        return {key};
    if (actionName == showMenuAction())
        return {QStringLiteral("Shift+") + key};
    return {};
}

} // namespace quorvex
