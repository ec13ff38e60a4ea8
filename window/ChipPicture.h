#pragma once

#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace quorvex {

// The banknote drawing, parsed when first needed (chips show only in betting mode) and
// rendered once per box size and pixel ratio; every chip paints the same cached pixmap.
class ChipPicture {
public:
    explicit ChipPicture(const QString& resource);

    bool isValid() const { return renderer().isValid(); }
    /* stretched to size, without keeping the drawing's proportions */
    const QPixmap& pixmap(QSize size, qreal devicePixelRatio) const;
    int renderCount() const { return renders_; }

private:
    QSvgRenderer& renderer() const;

    const QString resource_;
    mutable std::unique_ptr<QSvgRenderer> renderer_;
    mutable QPixmap cache_;
    mutable int renders_ = 0;
};

} // namespace quorvex
