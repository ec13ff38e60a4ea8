#include "app/WindowIcon.h"

#include <QPainter>

#include <algorithm>

namespace quorvex {

WindowIcon::WindowIcon(QString pathPattern, QList<int> sides)
    : pathPattern_(std::move(pathPattern)), sides_(std::move(sides)) {}

int WindowIcon::sideFor(const QSize& size) const {
    const int wanted = std::max(size.width(), size.height());
    const auto fits =
        std::find_if(sides_.begin(), sides_.end(), [wanted](int side) { return side >= wanted; });
    return fits != sides_.end() ? *fits : sides_.last();
}

const QPixmap& WindowIcon::picture(int side) {
    auto found = read_.find(side);
    if (found == read_.end())
        found = read_.insert(side, QPixmap(pathPattern_.arg(side)));
    return *found;
}

QPixmap WindowIcon::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
    const QPixmap& drawn = picture(sideFor(size));
    if (drawn.isNull() || drawn.size() == size)
        return drawn;
    return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void WindowIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QSize WindowIcon::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = std::min(sideFor(size), std::min(size.width(), size.height()));
    return {side, side};
}

QList<QSize> WindowIcon::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int side : sides_)
        sizes << QSize(side, side);
    return sizes;
}

QIconEngine* WindowIcon::clone() const {
    return new WindowIcon(*this); // QIcon owns its engine
}

} // namespace quorvex
