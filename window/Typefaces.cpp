#include "window/Typefaces.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

// The stand-ins in the order they are tried: one that ships with Windows, then a free one.
struct Substitute {
    const char* designed;
    std::array<const char*, 2> standIns;
};

constexpr std::array substitutes{
    Substitute{"Times New Roman", {"Liberation Serif"}},
    // Windows' MS Sans Serif is a bitmap face of a few sizes; Microsoft Sans Serif is its
    // scalable cut.
    Substitute{"MS Sans Serif", {"Microsoft Sans Serif", "Liberation Sans"}},
    Substitute{"Tahoma", {"Liberation Sans"}},
    Substitute{"News Gothic MT", {"Liberation Sans Narrow"}},
};

// Installed and drawn at any size, as the controls' pixel sizes need.
bool usable(const QString& face) {
    return QFontDatabase::families().contains(face, Qt::CaseInsensitive) &&
           QFontDatabase::isScalable(face);
}

// Faces the build carries in its resources (the Windows build: no face that ships with Windows
// stands in for the reels'), offered to Qt once, before the first is asked for. One that lands
// in an installed family is withdrawn: DirectWrite files a narrow cut under its regular family,
// and Qt then takes that family to hold the carried face alone, hiding the installed ones.
bool offerCarriedFaces() {
    const QStringList installed = QFontDatabase::families();
    const QDir carried(QStringLiteral(":/faces"));
    for (const QString& file : carried.entryList(QDir::Files)) {
        const int id = QFontDatabase::addApplicationFont(carried.filePath(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        const bool hidesInstalled =
            std::any_of(families.cbegin(), families.cend(), [&installed](const QString& family) {
                return installed.contains(family, Qt::CaseInsensitive);
            });
        if (hidesInstalled)
            QFontDatabase::removeApplicationFont(id);
    }
    return true;
}

} // namespace

QString typefaceFor(const QString& designed) {
    [[maybe_unused]] static const bool offered = offerCarriedFaces();
    for (const Substitute& substitute : substitutes) {
        if (designed != QLatin1String(substitute.designed))
            continue;
        if (usable(designed))
            return designed;
        QString standIn;
        for (const char* name : substitute.standIns) {
            if (name == nullptr)
                break;
            standIn = QString::fromLatin1(name);
            if (usable(standIn))
                break;
        }
        return standIn; // the last one, where none is installed: Qt then finds the nearest
    }
    return designed;
}

} // namespace quorvex
