#include "app/EventBinding.h"

#include "app/EventGate.h"
#include "window/Quorvex.h"
#include "window/access/Readout.h"

#include <QApplication>

#include <memory>

namespace quorvex {
namespace {

Readout readOutNow(const Quorvex& window) {
    return readOut(window, !window.Dollar[0].isHidden());
}

void announce(Quorvex& window, const std::string& told) {
    window.announcer().announce(QString::fromStdString(told));
}

// Runs a handler through the gate and tells screen readers what it changed, if anything.
void runReported(EventGate& gate, Quorvex& window, Report report,
                 const std::function<void()>& handler) {
    gate.run([&] {
        const Readout before = readOutNow(window);
        handler();
        announce(window, announcement(before, readOutNow(window), report));
    });
}

void bindClick(QPushButton& button, EventGate& gate, Quorvex& window, void (Quorvex::*handler)(),
               Report report) {
    QObject::connect(&button, &QPushButton::clicked, &window, [&gate, &window, handler, report] {
        runReported(gate, window, report, [&] { (window.*handler)(); });
    });
}

// The amounts are what a sighted player reads first. Told once, when the window first takes the
// focus, and queued so that the focused button is told before them.
void greetOnFirstFocus(Quorvex& window) {
    auto once = std::make_shared<QMetaObject::Connection>();
    const auto greet = [&window] { announce(window, greeting(readOutNow(window))); };
    *once = QObject::connect(qApp, &QApplication::focusChanged, &window.announcer(),
                             [&window, once, greet](QWidget*, QWidget* now) {
                                 if (!now || now->window() != &window)
                                     return;
                                 QObject::disconnect(*once);
                                 QMetaObject::invokeMethod(&window.announcer(), greet,
                                                           Qt::QueuedConnection);
                             });
}

} // namespace

void bindEvents(Quorvex& window, EventGate& gate) {
    greetOnFirstFocus(window);
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
