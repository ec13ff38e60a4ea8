#pragma once

namespace quorvex {

// Maps each designed typeface that is not installed to a metric-compatible one from
// Debian's font packages; an installed designed face is used by its own name.
// Idempotent; called before the first control is built, with the application running.
void installTypefaceSubstitutes();

} // namespace quorvex
