#include "window/ChipPicture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace quorvex {

const QPixmap& ChipPicture::pixmap(QSize size, qreal devicePixelRatio) const {
    const QSize devicePixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (renders_ > 0 && cache_.size() == devicePixels &&
        cache_.devicePixelRatio() == devicePixelRatio)
        return cache_;
    QSvgRenderer drawing(resource_);
    QPixmap rendered;
    if (drawing.isValid() && !devicePixels.isEmpty()) {
        QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.setAspectRatioMode(Qt::IgnoreAspectRatio); // stretched to the box, as designed
        drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
        painter.end();
        rendered = QPixmap::fromImage(image);
        rendered.setDevicePixelRatio(devicePixelRatio);
    }
    cache_ = rendered;
    ++renders_;
    return cache_;
}

} // namespace quorvex
