#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>

#include <optional>

class QPointerEvent;
class QWidget;

namespace quorvex {

// One finger or stylus on a control, followed from touch-down to lift-off. Lifted before the
// desktop's press-and-hold interval, over the control, it is a tap; held that long without
// leaving the control, a long press. Leaving the control or a cancelled touch is neither.
// Further fingers while one is down are ignored.
class TouchPress final : public QObject {
    Q_OBJECT

public:
    explicit TouchPress(const QWidget& control);

    /* a touch or tablet event delivered to the control; false for any other event */
    bool follow(const QPointerEvent& event);

signals:
    void tapped(QPointF at);
    void held(QPointF at);

private:
    void begin(int point, QPointF at);
    void move(int point, QPointF at);
    void end(int point, QPointF at);
    void stop();

    const QWidget& control_;
    QTimer hold_;
    std::optional<int> point_;
    QPointF at_;
};

} // namespace quorvex
