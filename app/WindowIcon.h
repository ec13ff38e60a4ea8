#pragma once

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>

namespace quorvex {

// The window icon at the icon theme's sizes. A size is read from its file only when a platform
// asks for it: X11 reads them all once, when the window is created; other platforms read the
// few they draw, or none, so start-up does not decode pictures nobody shows.
class WindowIcon final : public QIconEngine {
public:
    /* pathPattern holds %1 for the side in pixels; sides ascending */
    WindowIcon(QString pathPattern, QList<int> sides);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    int sideFor(const QSize& size) const;
    const QPixmap& picture(int side);

    const QString pathPattern_;
    const QList<int> sides_;
    QHash<int, QPixmap> read_;
};

} // namespace quorvex
