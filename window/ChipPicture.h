#pragma once

#include <QPixmap>
#include <QString>

namespace quorvex {

// The banknote drawing. Rendered once per box size and pixel ratio, on first paint (chips show
// only in betting mode); every chip paints the same cached pixmap.
class ChipPicture {
public:
    explicit ChipPicture(QString resource) : resource_(std::move(resource)) {}

    /* stretched to size, without keeping the drawing's proportions; null if unreadable */
    const QPixmap& pixmap(QSize size, qreal devicePixelRatio) const;
    int renderCount() const { return renders_; }

private:
    const QString resource_;
    mutable QPixmap cache_;
    mutable int renders_ = 0;
};

} // namespace quorvex
