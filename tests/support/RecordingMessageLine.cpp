#include "support/RecordingMessageLine.h"

namespace rennlupe::support {

void RecordingMessageLine::show(std::string_view text) {
    m_messages.emplace_back(text);
}

std::string RecordingMessageLine::current() const {
    return m_messages.empty() ? std::string() : m_messages.back();
}

}  // namespace rennlupe::support
