#pragma once

#include "runtime/Messages.h"

#include <QString>

namespace quorvex {

// The Qt message box: modal to the whole program, the prompt, one OK button, no icon.
class MessageBox final : public rt::Messages {
public:
    explicit MessageBox(QString title) : title_(std::move(title)) {}
    void show(const std::string& prompt) override;

private:
    QString title_;
};

} // namespace quorvex
