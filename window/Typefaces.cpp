#include "window/Typefaces.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace quorvex {

namespace {

struct Substitute {
    const char* designed;
    const char* standIn;
};

constexpr std::array substitutes{
    Substitute{"Times New Roman", "Liberation Serif"},
    Substitute{"MS Sans Serif", "Liberation Sans"},
    Substitute{"Tahoma", "Liberation Sans"},
    Substitute{"News Gothic MT", "Liberation Sans Narrow"},
};

// Faces the build carries in its resources (the Windows build: no face that ships with Windows
// stands in for the reels'), offered to Qt once, before the first is asked for.
bool offerCarriedFaces() {
    const QDir carried(QStringLiteral(":/faces"));
    for (const QString& file : carried.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(carried.filePath(file));
    return true;
}

} // namespace

QString typefaceFor(const QString& designed) {
    [[maybe_unused]] static const bool offered = offerCarriedFaces();
    for (const Substitute& substitute : substitutes) {
        if (designed != QLatin1String(substitute.designed))
            continue;
        const bool installed = QFontDatabase::families().contains(designed, Qt::CaseInsensitive);
        return installed ? designed : QString::fromLatin1(substitute.standIn);
    }
    return designed;
}

} // namespace quorvex
