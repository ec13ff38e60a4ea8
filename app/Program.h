#pragma once

#include "app/EventGate.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "window/Quorvex.h"
#include "window/access/Announcer.h"

#include <optional>

namespace quorvex {

// One run of the game: applies the settings, builds the window, raises its Load event,
// binds the events and shows it; after its first frame, gives it its icon and its
// descriptions. terminate is called once when the program ends.
class Program {
public:
    Program(const ProjectSettings& settings, rt::RandomSource& random,
            EventGate::Terminate terminate);

    /* nullopt: the window is shown and the event loop may run; otherwise the exit code of a
       start-up that already ended */
    std::optional<int> start();

    Quorvex& window() { return window_; }
    /* what tells screen readers what the window shows */
    Announcer& announcer() { return announcer_; }
    /* the icon and descriptions are given: the window's first frame has been painted */
    bool finished() const { return finished_; }

private:
    static const ProjectSettings& applied(const ProjectSettings& settings);
    void finishStartUp();

    MessageBox messages_;
    EventGate gate_;
    Quorvex window_;
    Announcer& announcer_; // the window owns it
    bool finished_ = false;
};

} // namespace quorvex
