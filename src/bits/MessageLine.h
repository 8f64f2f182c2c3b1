#pragma once

#include <string_view>

namespace rennlupe::bits {

// The one line at the bottom of the main window that tells the user what
// happened; each message replaces the one before.
class MessageLine {
public:
    virtual ~MessageLine() = default;
    virtual void show(std::string_view text) = 0;

protected:
    MessageLine() = default;
    MessageLine(const MessageLine&) = default;
    MessageLine& operator=(const MessageLine&) = default;
};

}  // namespace rennlupe::bits
