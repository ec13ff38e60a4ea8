#include "window/Typefaces.h"

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

} // namespace

QString typefaceFor(const QString& designed) {
    for (const Substitute& substitute : substitutes) {
        if (designed != QLatin1String(substitute.designed))
            continue;
        const bool installed = QFontDatabase::families().contains(designed, Qt::CaseInsensitive);
        return installed ? designed : QString::fromLatin1(substitute.standIn);
    }
    return designed;
}

} // namespace quorvex
