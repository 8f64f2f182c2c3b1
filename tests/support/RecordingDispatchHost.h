#pragma once

#include "insim/DispatchHost.h"
#include "support/RecordingMessageLine.h"
#include "support/RecordingSender.h"
#include "support/RecordingWindowStyle.h"
#include "ui/frmFahrerinfo.h"

#include <functional>
#include <string>
#include <vector>

namespace rennlupe::support {

// The dispatcher's host with the main window's controls at their initial
// texts, a real driver-information window, and every call recorded.
class RecordingDispatchHost final : public insim::DispatchHost {
public:
    RecordingDispatchHost();

    controls::CommandButton& cmdConnect() override { return m_cmdConnect; }
    controls::TextBox& txtSend() override { return m_txtSend; }
    controls::CommandButton& cmdSend() override { return m_cmdSend; }
    controls::ListBox& List1() override { return m_List1; }
    controls::Label& lblLap() override { return m_lblLap; }
    controls::Label& Label3() override { return m_Label3; }
    controls::Label& lblGezeigterFahrer() override { return m_lblGezeigterFahrer; }
    controls::Label& lblMeineID() override { return m_lblMeineID; }
    controls::CommandButton& cmdStartRaceTracker() override { return m_cmdStartRaceTracker; }
    controls::Label& lblStreckennodes() override { return m_lblStreckennodes; }
    controls::Label& Label5() override { return m_Label5; }
    controls::CheckBox& Check1() override { return m_Check1; }
    PlayerLabels& lblFahrer() override { return fahrerinfo.lblFahrer; }
    PlayerLabels& lblUID() override { return fahrerinfo.lblUID; }
    std::int32_t& lngTimer() override { return m_lngTimer; }
    bits::MessageLine& messageLine() override { return line; }

    void SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                         std::uint8_t p3) override;
    void TextInDX(std::string_view text) override;
    void GrafikInDXZeigen(std::string_view file) override;
    void GrafikInDXVerbergen(std::string_view file) override;
    void Neustart() override;
    void pump() override;

    // Forgets what was recorded, so a long run stays small.
    void clearRecords();

    RecordingMessageLine line;
    RecordingWindowStyle windowStyle;
    ui::frmFahrerinfo fahrerinfo{windowStyle, line};
    RecordingSender sender;
    // "TextInDX:...", "GrafikInDXZeigen:file", "GrafikInDXVerbergen:file", "Neustart".
    std::vector<std::string> calls;
    std::vector<std::string> texts;  // the TextInDX arguments alone
    std::function<void()> onPump;    // what the pump delivers; nothing by default
    bool failOverlay = false;        // TextInDX throws, as a missing library would
    int pumpCalls = 0;
    int pumpDepth = 0;
    int deepestPump = 0;

private:
    controls::CommandButton m_cmdConnect;
    controls::TextBox m_txtSend;
    controls::CommandButton m_cmdSend;
    controls::ListBox m_List1;
    controls::Label m_lblLap;
    controls::Label m_Label3;
    controls::Label m_lblGezeigterFahrer;
    controls::Label m_lblMeineID;
    controls::CommandButton m_cmdStartRaceTracker;
    controls::Label m_lblStreckennodes;
    controls::Label m_Label5;
    controls::CheckBox m_Check1;
    std::int32_t m_lngTimer = 0;
};

}  // namespace rennlupe::support
