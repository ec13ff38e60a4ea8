#pragma once

#include <functional>

class QWidget;

namespace quorvex {

// Runs work once, just after the window's first frame is painted: what that frame does not
// show need not delay it.
void afterFirstFrame(QWidget& window, std::function<void()> work);

} // namespace quorvex
