// Times each handler through a real event on the real window, including the repaint it
// causes (its update requests are processed inside the timed part). Prints one line a handler:
// name, median and worst in microseconds, iterations.
#include "app/Program.h"
#include "runtime/RandomGenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Timing {
    double median, worst;
};

Timing measure(int iterations, const std::function<void()>& prepare,
               const std::function<void()>& act) {
    std::vector<double> micros;
    micros.reserve(std::size_t(iterations));
    QElapsedTimer clock;
    for (int i = 0; i < iterations; ++i) {
        prepare();
        clock.start();
        act();
        micros.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros.back()};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    rt::RandomGenerator random(1);
    bool ended = false;
    quorvex::Program program(quorvex::ProjectSettings{}, random, [&](int) { ended = true; });
    if (program.start())
        return 1;
    quorvex::Quorvex& w = program.window();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    const auto click = [](QWidget& target) { QTest::mouseClick(&target, Qt::LeftButton); };
    // The repaint the event causes: its update requests, delivered and painted now.
    const auto paint = [] { QCoreApplication::processEvents(); };
    const auto inPlayMode = [&] {
        if (w.Done.isVisible())
            click(w.Done);
    };
    const auto inBettingMode = [&] {
        if (!w.Done.isVisible())
            click(w.Bet);
    };
    constexpr int iterations = 2000;
    const auto report = [](const char* name, Timing t) {
        std::printf("%s %.1f %.1f %d\n", name, t.median, t.worst, iterations);
    };

    report("Spin_Click", measure(
                             iterations,
                             [&] {
                                 inPlayMode();
                                 w.Reset_Click();
                                 w.setCaption(quorvex::Label::Amt, "1");
                             },
                             [&] {
                                 click(w.Spin);
                                 paint();
                             }));
    report("Dollar_MouseDown", measure(
                                   iterations,
                                   [&] {
                                       inBettingMode();
                                       w.setCaption(quorvex::Label::Money, "1000");
                                   },
                                   [&] {
                                       QTest::mousePress(&w.Dollar[1], Qt::LeftButton);
                                       paint();
                                       QTest::mouseRelease(&w.Dollar[1], Qt::LeftButton);
                                   }));
    report("Bet_Click", measure(iterations, inPlayMode, [&] {
               click(w.Bet);
               paint();
           }));
    report("Done_Click", measure(iterations, inBettingMode, [&] {
               click(w.Done);
               paint();
           }));
    report("Reset_Click", measure(iterations, inBettingMode, [&] {
               click(w.Reset);
               paint();
           }));
    // Where the time goes: our code alone, and Qt's painting alone.
    report("info:Spin_Click_alone", measure(
                                        iterations,
                                        [&] {
                                            inPlayMode();
                                            w.setCaption(quorvex::Label::Amt, "1");
                                        },
                                        [&] { w.Spin_Click(); }));
    report("info:Bet_Click_alone", measure(iterations, inPlayMode, [&] { w.Bet_Click(); }));
    inPlayMode();
    const auto unprepared = [] {};
    report("info:one_button_repaint", measure(iterations, unprepared, [&] { w.Spin.repaint(); }));
    report("info:whole_window_repaint", measure(iterations, unprepared, [&] { w.repaint(); }));
    std::printf("chip_renders %d\n", w.chipPicture().renderCount());
    return ended ? 1 : 0;
}
