#include "app/EventBinding.h"

#include "app/EventGate.h"
#include "window/Quorvex.h"
#include "window/Readout.h"

namespace quorvex {
namespace {

// Runs a handler through the gate and tells screen readers what it changed, if anything.
void runReported(EventGate& gate, Quorvex& window, Report report,
                 const std::function<void()>& handler) {
    gate.run([&] {
        const Readout before = readOut(window);
        handler();
        const std::string told = announcement(before, readOut(window), report);
        window.announcer().announce(QString::fromStdString(told));
    });
}

void bindClick(QPushButton& button, EventGate& gate, Quorvex& window, void (Quorvex::*handler)(),
               Report report) {
    QObject::connect(&button, &QPushButton::clicked, &window, [&gate, &window, handler, report] {
        runReported(gate, window, report, [&] { (window.*handler)(); });
    });
}

} // namespace

void bindEvents(Quorvex& window, EventGate& gate) {
    bindClick(window.Spin, gate, window, &Quorvex::Spin_Click, Report::Spin);
    bindClick(window.Bet, gate, window, &Quorvex::Bet_Click, Report::State);
    bindClick(window.Done, gate, window, &Quorvex::Done_Click, Report::State);
    bindClick(window.Reset, gate, window, &Quorvex::Reset_Click, Report::State);
    bindClick(window.End, gate, window, &Quorvex::End_Click, Report::State);
    for (std::int16_t i = 0; i < window.Dollar.count(); ++i) {
        QObject::connect(&window.Dollar[i], &ChipImage::pressed, &window,
                         [&gate, &window](std::int16_t index, std::int16_t button,
                                          std::int16_t shift, float x, float y) {
                             runReported(gate, window, Report::Stake, [&] {
                                 window.Dollar_MouseDown(index, button, shift, x, y);
                             });
                         });
    }
}

} // namespace quorvex
