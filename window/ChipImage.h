#pragma once

#include "window/MouseButton.h"
#include "window/TouchPress.h"

#include <QWidget>

#include <cstdint>

namespace quorvex {

class ChipPicture;

// One chip: the banknote stretched over its box. Only a press reaches the game;
// release, click and double click do nothing. A finger or stylus taps it as a left press
// and holds it as a right press; no touch becomes a mouse press as well.
class ChipImage final : public QWidget {
    Q_OBJECT

public:
    ChipImage(QWidget& parent, const ChipPicture& picture, std::int16_t index);

    std::int16_t index() const { return index_; }
    const ChipPicture& picture() const { return picture_; }

    // Shift codes: 1 Shift, 2 Ctrl, 4 Alt.
    static MouseButton buttonCode(Qt::MouseButton button);
    static std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);

    /* a press without a mouse (a key, an assistive tool), at the chip's top-left corner;
       a hidden chip takes none */
    void press(MouseButton button, std::int16_t shift);

signals:
    /* x and y in twips from the chip's top-left corner */
    void pressed(std::int16_t index, std::int16_t button, std::int16_t shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void report(MouseButton button, std::int16_t shift, QPointF at);

    const ChipPicture& picture_;
    const std::int16_t index_;
    TouchPress touch_;
};

} // namespace quorvex
