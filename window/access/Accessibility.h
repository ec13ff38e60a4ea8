#pragma once

namespace quorvex {

// Gives the chips their actions and the announcer its notification role. Only once the
// QApplication exists: Qt's own widget factory, installed by it, would otherwise answer first.
void installAccessibility();

} // namespace quorvex
