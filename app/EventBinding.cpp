#include "app/EventBinding.h"

#include "app/EventGate.h"
#include "window/Quorvex.h"

namespace quorvex {
namespace {

void bindClick(QPushButton& button, EventGate& gate, Quorvex& window, void (Quorvex::*handler)()) {
    QObject::connect(&button, &QPushButton::clicked, &window,
                     [&gate, &window, handler] { gate.run([&] { (window.*handler)(); }); });
}

} // namespace

void bindEvents(Quorvex& window, EventGate& gate) {
    bindClick(window.Spin, gate, window, &Quorvex::Spin_Click);
    bindClick(window.Bet, gate, window, &Quorvex::Bet_Click);
    bindClick(window.Done, gate, window, &Quorvex::Done_Click);
    bindClick(window.Reset, gate, window, &Quorvex::Reset_Click);
    bindClick(window.End, gate, window, &Quorvex::End_Click);
    for (std::int16_t i = 0; i < window.Dollar.count(); ++i) {
        QObject::connect(&window.Dollar[i], &ChipImage::pressed, &window,
                         [&gate, &window](std::int16_t index, std::int16_t button,
                                          std::int16_t shift, float x, float y) {
                             gate.run([&] { window.Dollar_MouseDown(index, button, shift, x, y); });
                         });
    }
}

} // namespace quorvex
