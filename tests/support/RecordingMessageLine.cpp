#include "support/RecordingMessageLine.h"

namespace rennlupe::support {

void RecordingMessageLine::show(std::string_view text) {
    m_messages.emplace_back(text);
}

}  // namespace rennlupe::support
