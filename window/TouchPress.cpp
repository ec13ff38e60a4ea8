#include "window/TouchPress.h"

#include <QGuiApplication>
#include <QPointerEvent>
#include <QStyleHints>
#include <QWidget>

namespace quorvex {

TouchPress::TouchPress(const QWidget& control) : control_(control) {
    hold_.setSingleShot(true);
    hold_.setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 per cent early
    connect(&hold_, &QTimer::timeout, this, [this] {
        const QPointF at = at_;
        stop(); // the lift-off that follows is no tap
        emit held(at);
    });
}

bool TouchPress::follow(const QPointerEvent& event) {
    switch (event.type()) {
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        stop(); // a new touch: whatever the last one left unfinished is over
        break;
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        break;
    case QEvent::TouchCancel:
        stop();
        return true;
    default:
        return false;
    }
    for (const QEventPoint& point : event.points()) {
        switch (point.state()) {
        case QEventPoint::Pressed:
            begin(point.id(), point.position());
            break;
        case QEventPoint::Released:
            end(point.id(), point.position());
            break;
        default:
            move(point.id(), point.position());
            break;
        }
    }
    return true;
}

void TouchPress::begin(int point, QPointF at) {
    if (point_)
        return;
    point_ = point;
    at_ = at;
    hold_.start(QGuiApplication::styleHints()->mousePressAndHoldInterval());
}

void TouchPress::move(int point, QPointF at) {
    if (point_ == point && !control_.rect().contains(at.toPoint()))
        stop();
}

void TouchPress::end(int point, QPointF at) {
    if (point_ != point)
        return;
    stop();
    if (control_.rect().contains(at.toPoint()))
        emit tapped(at);
}

void TouchPress::stop() {
    hold_.stop();
    point_.reset();
}

} // namespace quorvex
