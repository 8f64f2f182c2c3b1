#pragma once

#include "insim/DispatchHost.h"
#include "support/RecordingMessageLine.h"
#include "support/RecordingWindowStyle.h"
#include "ui/frmFahrerinfo.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace rennlupe::support {

// The dispatcher's host with the main window's controls at their initial
// texts, a real driver-information window, and every call recorded.
class RecordingDispatchHost final : public insim::DispatchHost {
public:
    RecordingDispatchHost() {
        m_txtSend.setEnabled(false);
        m_txtSend.setVisible(false);
        m_cmdSend.setEnabled(false);
        m_cmdStartRaceTracker.setVisible(false);
        m_Check1.setVisible(false);
    }

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
                         std::uint8_t p3) override {
        sent.push_back({std::string(id), p1, p2, p3});
    }
    void TextInDX(std::string_view text) override {
        if (failOverlay) {
            throw std::runtime_error("no overlay library");
        }
        calls.push_back("TextInDX:" + std::string(text));
        texts.emplace_back(text);
    }
    void GrafikInDXZeigen(std::string_view file) override {
        calls.push_back("GrafikInDXZeigen:" + std::string(file));
    }
    void GrafikInDXVerbergen(std::string_view file) override {
        calls.push_back("GrafikInDXVerbergen:" + std::string(file));
    }
    void Neustart() override { calls.emplace_back("Neustart"); }
    void pump() override {
        deepestPump = std::max(deepestPump, ++pumpDepth);
        ++pumpCalls;
        if (onPump) {
            onPump();
        }
        --pumpDepth;
    }

    void linkUp(std::string_view product, std::string_view version) override {
        calls.push_back("linkUp:" + std::string(product) + " " + std::string(version));
    }
    void carsKnown(int count) override { calls.push_back("carsKnown:" + std::to_string(count)); }

    // Forgets what was recorded, so a long run stays small.
    void clearRecords() {
        line = RecordingMessageLine();
        sent.clear();
        calls.clear();
        texts.clear();
    }

    RecordingMessageLine line;
    RecordingWindowStyle windowStyle;
    ui::frmFahrerinfo fahrerinfo{windowStyle, line};
    struct Packet {
        std::string id;
        std::uint8_t p1 = 0;
        std::uint8_t p2 = 0;
        std::uint8_t p3 = 0;
        friend bool operator==(const Packet&, const Packet&) = default;
    };
    std::vector<Packet> sent;  // the request packets, in order
    // "TextInDX:...", "GrafikInDXZeigen:file", "GrafikInDXVerbergen:file", "Neustart",
    // "linkUp:product version", "carsKnown:n".
    std::vector<std::string> calls;
    std::vector<std::string> texts;  // the TextInDX arguments alone
    std::function<void()> onPump;    // what the pump delivers; nothing by default
    bool failOverlay = false;        // TextInDX throws, as a missing library would
    int pumpCalls = 0;
    int pumpDepth = 0;
    int deepestPump = 0;

private:
    controls::CommandButton m_cmdConnect{"cmdConnect", "Connect"};
    controls::TextBox m_txtSend{"txtSend", "", 63};
    controls::CommandButton m_cmdSend{"cmdSend", "Send"};
    controls::ListBox m_List1{"List1"};
    controls::Label m_lblLap{"lblLap", "Label1"};
    controls::Label m_Label3{"Label3", "Label3"};
    controls::Label m_lblGezeigterFahrer{"lblGezeigterFahrer", "AA"};
    controls::Label m_lblMeineID{"lblMeineID", "35"};
    controls::CommandButton m_cmdStartRaceTracker{"cmdStartRaceTracker", "Racetracker starten"};
    controls::Label m_lblStreckennodes{"lblStreckennodes", "Label1"};
    controls::Label m_Label5{"Label5", "Label5"};
    controls::CheckBox m_Check1{"Check1", "Informationen abrufen", controls::CheckBox::kChecked};
    std::int32_t m_lngTimer = 0;
};

}  // namespace rennlupe::support
