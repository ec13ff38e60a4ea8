#pragma once

#include <QPushButton>

namespace quorvex {

// A push button that Return and Enter press as well as Space, as players on other desktops expect.
class CommandButton final : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& caption, QWidget& parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace quorvex
