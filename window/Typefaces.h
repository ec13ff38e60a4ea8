#pragma once

namespace quorvex {

// Maps the designed typefaces to metric-compatible ones from Debian's font packages.
// Idempotent; called before the first control is built.
void installTypefaceSubstitutes();

} // namespace quorvex
