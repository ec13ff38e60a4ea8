#pragma once

#include <string>

namespace rt {

// A modal message: the prompt, one OK button, the application's title; returns once closed.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& prompt) = 0;
};

} // namespace rt
