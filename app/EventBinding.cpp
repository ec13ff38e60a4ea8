#include "app/EventBinding.h"

#include "app/EventGate.h"
#include "window/Quorvex.h"
#include "window/access/Announcer.h"
#include "window/access/Readout.h"

#include <QApplication>

#include <memory>

namespace quorvex {
namespace {

Readout readOutNow(const Quorvex& window) {
    return readOut(window, !window.Dollar[0].isHidden());
}

void announce(Announcer& announcer, const std::string& told) {
    announcer.announce(QString::fromStdString(told));
}

// The window, what tells screen readers about it, and the gate its handlers run through.
struct Bound {
    Quorvex& window;
    Announcer& announcer;
    EventGate& gate;
};

// Runs a handler through the gate and tells screen readers what it changed, if anything.
void runReported(const Bound& bound, Report report, const std::function<void()>& handler) {
    bound.gate.run([&] {
        const Readout before = readOutNow(bound.window);
        handler();
        announce(bound.announcer, announcement(before, readOutNow(bound.window), report));
    });
}

void bindClick(QPushButton& button, const Bound& bound, void (Quorvex::*handler)(), Report report) {
    QObject::connect(&button, &QPushButton::clicked, &bound.window, [bound, handler, report] {
        runReported(bound, report, [&] { (bound.window.*handler)(); });
    });
}

// The amounts are what a sighted player reads first. Told once, when the window first takes the
// focus, and queued so that the focused button is told before them.
void greetOnFirstFocus(Quorvex& window, Announcer& announcer) {
    auto once = std::make_shared<QMetaObject::Connection>();
    const auto greet = [&window, &announcer] { announce(announcer, greeting(readOutNow(window))); };
    *once = QObject::connect(qApp, &QApplication::focusChanged, &announcer,
                             [&window, &announcer, once, greet](QWidget*, QWidget* now) {
                                 if (!now || now->window() != &window)
                                     return;
                                 QObject::disconnect(*once);
                                 QMetaObject::invokeMethod(&announcer, greet, Qt::QueuedConnection);
                             });
}

} // namespace

void bindEvents(Quorvex& window, Announcer& announcer, EventGate& gate) {
    const Bound bound{window, announcer, gate};
    greetOnFirstFocus(window, announcer);
    bindClick(window.Spin, bound, &Quorvex::Spin_Click, Report::Spin);
    bindClick(window.Bet, bound, &Quorvex::Bet_Click, Report::State);
    bindClick(window.Done, bound, &Quorvex::Done_Click, Report::State);
    bindClick(window.Reset, bound, &Quorvex::Reset_Click, Report::State);
    bindClick(window.End, bound, &Quorvex::End_Click, Report::State);
    for (std::int16_t i = 0; i < window.Dollar.count(); ++i) {
        QObject::connect(
            &window.Dollar[i], &ChipImage::pressed, &window,
            [bound](std::int16_t index, std::int16_t button, std::int16_t shift, float x, float y) {
                runReported(bound, Report::Stake,
                            [&] { bound.window.Dollar_MouseDown(index, button, shift, x, y); });
            });
    }
}

} // namespace quorvex
