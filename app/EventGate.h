#pragma once

#include "runtime/Messages.h"

#include <functional>
#include <string>

namespace quorvex {

// The one place where events enter the game's code. A handler that ends the program, or
// raises a run-time error, stops here: nothing crosses Qt's event dispatch, and after the
// end no further event runs any handler.
class EventGate {
public:
    using Terminate = std::function<void(int exitCode)>;

    EventGate(rt::Messages& messages, Terminate terminate);

    void run(const std::function<void()>& handler) noexcept;
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    static std::string fatalText(int number, const std::string& description);
    static constexpr int fatalExitCode = 1;

private:
    void fatal(int number, const std::string& description) noexcept;
    void finish(int exitCode) noexcept;

    rt::Messages& messages_;
    Terminate terminate_;
    bool ended_ = false;
    int exitCode_ = 0;
};

} // namespace quorvex
