#include "support/RecordingDispatchHost.h"

#include <algorithm>
#include <stdexcept>

namespace rennlupe::support {

RecordingDispatchHost::RecordingDispatchHost()
    : m_cmdConnect("cmdConnect", "Connect"),
      m_txtSend("txtSend", "", 63),
      m_cmdSend("cmdSend", "Send"),
      m_List1("List1"),
      m_lblLap("lblLap", "Label1"),
      m_Label3("Label3", "Label3"),
      m_lblGezeigterFahrer("lblGezeigterFahrer", "AA"),
      m_lblMeineID("lblMeineID", "35"),
      m_cmdStartRaceTracker("cmdStartRaceTracker", "Racetracker starten"),
      m_lblStreckennodes("lblStreckennodes", "Label1"),
      m_Label5("Label5", "Label5"),
      m_Check1("Check1", "Informationen abrufen", controls::CheckBox::kChecked) {
    m_txtSend.setEnabled(false);
    m_txtSend.setVisible(false);
    m_cmdSend.setEnabled(false);
    m_cmdStartRaceTracker.setVisible(false);
    m_Check1.setVisible(false);
}

void RecordingDispatchHost::SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                                            std::uint8_t p3) {
    sender.send(id, p1, p2, p3);
}

void RecordingDispatchHost::TextInDX(std::string_view text) {
    if (failOverlay) {
        throw std::runtime_error("no overlay library");
    }
    calls.push_back("TextInDX:" + std::string(text));
    texts.emplace_back(text);
}

void RecordingDispatchHost::GrafikInDXZeigen(std::string_view file) {
    calls.push_back("GrafikInDXZeigen:" + std::string(file));
}

void RecordingDispatchHost::GrafikInDXVerbergen(std::string_view file) {
    calls.push_back("GrafikInDXVerbergen:" + std::string(file));
}

void RecordingDispatchHost::Neustart() {
    calls.emplace_back("Neustart");
}

void RecordingDispatchHost::pump() {
    ++pumpCalls;
    ++pumpDepth;
    deepestPump = std::max(deepestPump, pumpDepth);
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
