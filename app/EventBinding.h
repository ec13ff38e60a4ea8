#pragma once

namespace quorvex {

class Announcer;
class EventGate;
class Quorvex;

// Connects the six bound events of the running window to their handlers, through the gate,
// and has the announcer tell screen readers whatever a handler changed, and the amounts when
// the window first takes the focus.
// Load is raised by the start-up itself.
void bindEvents(Quorvex& window, Announcer& announcer, EventGate& gate);

} // namespace quorvex
