#include "app/MessageBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace quorvex {
namespace {

// A window manager cuts a title that does not fit beside its buttons, and a box holding a
// short prompt is narrow. Leave room for the title in a bold title-bar font, with a quarter to
// spare for larger desktop fonts, beside an icon, a menu button and three window buttons.
int titleBarWidth(const QString& title) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    constexpr int iconAndButtons = 5;
    return metrics.horizontalAdvance(title) * 5 / 4 + iconAndButtons * 2 * metrics.height();
}

void keepTitleVisible(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    // The layout owns the spacer; the box sizes itself to its layout's minimum width.
    grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle()), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void MessageBox::show(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    keepTitleVisible(box);
    box.exec();
}

} // namespace quorvex
