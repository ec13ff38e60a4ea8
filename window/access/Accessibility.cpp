#include "window/access/Accessibility.h"

#include "window/ChipImage.h"
#include "window/access/Announcer.h"
#include "window/access/AnnouncerAccessible.h"
#include "window/access/ChipAccessible.h"

#include <QAccessible>

namespace quorvex {
namespace {

// Qt's accessibility cache owns what a factory returns.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ChipImage::staticMetaObject.className()))
        if (auto* chip = qobject_cast<ChipImage*>(object))
            return new ChipAccessible(*chip);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AnnouncerAccessible(*announcer);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFor);
}

} // namespace quorvex
