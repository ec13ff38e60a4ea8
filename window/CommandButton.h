#pragma once

#include <QPushButton>

namespace quorvex {

// A push button that Return and Enter press as well as Space, as players on other desktops expect.
// With the focus it wears a yellow and black ring that shows on the blue window and on its face.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& caption, QWidget& parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvex
