#pragma once

#include "runtime/Messages.h"

#include <stdexcept>
#include <string>
#include <vector>

// Remembers each box; with boxFails set, each box is shown and then fails.
class RecordingMessages final : public rt::Messages {
public:
    void show(const std::string& prompt) override {
        shown.push_back(prompt);
        if (boxFails)
            throw std::runtime_error("the message box failed");
    }
    std::vector<std::string> shown;
    bool boxFails = false;
};
