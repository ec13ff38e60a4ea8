#include "app/FirstFrame.h"

#include <QEvent>
#include <QWidget>

namespace quorvex {
namespace {

class FirstFrameWatch final : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), work_(std::move(work)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        // Queued: the frame is flushed once this paint and its children's are done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                work_();
                deleteLater();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> work) {
    new FirstFrameWatch(window, std::move(work)); // the window owns it
}

} // namespace quorvex
