#pragma once

#include <QString>

namespace quorvex {

// The face a designed typeface is drawn in: itself where it is installed and scalable (Windows
// has most of them), else the first installed of its stand-ins: a face that ships with Windows,
// then a metric-compatible one from Debian's font packages. Asking for the
// stand-in by name spares Qt's search through every installed font for a fallback to a missing
// family, which costs start-up more than all the faces it draws.
QString typefaceFor(const QString& designed);

} // namespace quorvex
