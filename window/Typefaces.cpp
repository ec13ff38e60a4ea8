#include "window/Typefaces.h"

#include <QFont>

namespace quorvex {

void installTypefaceSubstitutes() {
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Tahoma", "Liberation Sans");
    QFont::insertSubstitution("News Gothic MT", "Liberation Sans Narrow");
}

} // namespace quorvex
