#include "window/ChipPicture.h"

#include <QImageReader>

namespace quorvex {

const QPixmap& ChipPicture::pixmap(QSize size, qreal devicePixelRatio) const {
    const QSize devicePixels = (QSizeF(size) * devicePixelRatio).toSize();
    if (renders_ > 0 && cache_.size() == devicePixels &&
        cache_.devicePixelRatio() == devicePixelRatio)
        return cache_;
    QImageReader reader(resource_, "svg");
    reader.setScaledSize(devicePixels); // exactly this size: the proportions are not kept
    QPixmap rendered = QPixmap::fromImage(reader.read());
    rendered.setDevicePixelRatio(devicePixelRatio);
    cache_ = rendered;
    ++renders_;
    return cache_;
}

} // namespace quorvex
