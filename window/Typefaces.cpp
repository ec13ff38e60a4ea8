#include "window/Typefaces.h"

#include <QFont>
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

void installTypefaceSubstitutes() {
    // Where the designed face is installed (Windows has most of them) it is used as it is.
    const QStringList installed = QFontDatabase::families();
    for (const Substitute& substitute : substitutes) {
        const QString designed = QString::fromLatin1(substitute.designed);
        if (!installed.contains(designed, Qt::CaseInsensitive))
            QFont::insertSubstitution(designed, QString::fromLatin1(substitute.standIn));
    }
}

} // namespace quorvex
