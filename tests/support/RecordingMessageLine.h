#pragma once

#include "bits/MessageLine.h"

#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// Keeps every message in the order shown; the last one is what the user sees.
class RecordingMessageLine final : public bits::MessageLine {
public:
    void show(std::string_view text) override { m_messages.emplace_back(text); }

    const std::vector<std::string>& messages() const noexcept { return m_messages; }
    // The text standing on the line now: the last message, or "" if none.
    std::string current() const { return m_messages.empty() ? std::string() : m_messages.back(); }

private:
    std::vector<std::string> m_messages;
};

}  // namespace rennlupe::support
