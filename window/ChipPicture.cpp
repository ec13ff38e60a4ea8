#include "window/ChipPicture.h"

#include <QPainter>

namespace quorvex {

ChipPicture::ChipPicture(const QString& resource) : resource_(resource) {}

QSvgRenderer& ChipPicture::renderer() const {
    if (!renderer_) {
        renderer_ = std::make_unique<QSvgRenderer>(resource_);
        renderer_->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    return *renderer_;
}

const QPixmap& ChipPicture::pixmap(QSize size, qreal devicePixelRatio) const {
    const QSize devicePixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (cache_.size() == devicePixels && cache_.devicePixelRatio() == devicePixelRatio)
        return cache_;
    QPixmap rendered(devicePixels);
    rendered.fill(Qt::transparent);
    {
        QPainter painter(&rendered);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer().render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    }
    rendered.setDevicePixelRatio(devicePixelRatio);
    cache_ = rendered;
    ++renders_;
    return cache_;
}

} // namespace quorvex
