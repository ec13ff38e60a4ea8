#include "app/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvex {

void MessageBox::show(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace quorvex
