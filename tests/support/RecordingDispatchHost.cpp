#include "support/RecordingDispatchHost.h"

#include <algorithm>
#include <stdexcept>

namespace rennlupe::support {

RecordingDispatchHost::RecordingDispatchHost() {
    m_txtSend.setEnabled(false);
    m_txtSend.setVisible(false);
    m_cmdSend.setEnabled(false);
    m_cmdStartRaceTracker.setVisible(false);
    m_Check1.setVisible(false);
}

void RecordingDispatchHost::TextInDX(std::string_view text) {
    if (failOverlay) {
        throw std::runtime_error("no overlay library");
    }
    calls.push_back("TextInDX:" + std::string(text));
    texts.emplace_back(text);
}

void RecordingDispatchHost::pump() {
    ++pumpCalls;
    deepestPump = std::max(deepestPump, ++pumpDepth);
    if (onPump) {
        onPump();
    }
    --pumpDepth;
}

void RecordingDispatchHost::clearRecords() {
    line = RecordingMessageLine();
    sender.clear();
    calls.clear();
    texts.clear();
}

}  // namespace rennlupe::support
