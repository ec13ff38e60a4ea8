#pragma once

#include "app/runtime/Messages.h"

#include <string>
#include <vector>

class RecordingMessages final : public rt::Messages {
public:
    void show(const std::string& prompt) override { shown.push_back(prompt); }
    std::vector<std::string> shown;
};
