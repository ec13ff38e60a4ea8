#include "app/EventGate.h"

#include "runtime/ProgramEnd.h"
#include "runtime/RunError.h"

#include <new>

namespace quorvex {

EventGate::EventGate(rt::Messages& messages, Terminate terminate)
    : messages_(messages), terminate_(std::move(terminate)) {}

void EventGate::run(const std::function<void()>& handler) noexcept {
    if (ended_)
        return;
    try {
        handler();
    } catch (const rt::ProgramEnd&) {
        finish(0);
    } catch (const rt::RunError& error) {
        fatal(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        fatal(rt::RunError::OutOfMemory, "Out of memory");
    } catch (const std::exception& error) {
        fatal(rt::RunError::InternalError, error.what());
    } catch (...) {
        fatal(rt::RunError::InternalError, "Internal error");
    }
}

std::string EventGate::fatalText(int number, const std::string& description) {
    return "Run-time error '" + std::to_string(number) + "':\n\n" + description;
}

void EventGate::fatal(int number, const std::string& description) noexcept {
    ended_ = true; // while the box is open, no other event may run a handler
    try {
        messages_.show(fatalText(number, description));
    } catch (...) {
        // The box itself failed; the program ends all the same.
    }
    finish(fatalExitCode);
}

void EventGate::finish(int exitCode) noexcept {
    ended_ = true;
    exitCode_ = exitCode;
    if (terminate_)
        terminate_(exitCode);
}

} // namespace quorvex
