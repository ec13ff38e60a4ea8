#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Reports the first painted frame of a window on standard output, with the process's peak
// resident memory, then ends the process. Used by the start-up benchmark's two probes.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) { window.installEventFilter(this); }

    static long peakResidentKiB() {
        QFile status("/proc/self/status");
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        return -1;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // After this paint has reached the backing store.
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", peakResidentKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool reported_ = false;
};
