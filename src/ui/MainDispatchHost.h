#pragma once

#include "insim/DispatchHost.h"

namespace rennlupe::ui {

class frmMain;

// The dispatcher's view of the main window: its controls, the player table
// of the driver-information window, and the calls it forwards.
class MainDispatchHost final : public insim::DispatchHost {
public:
    explicit MainDispatchHost(frmMain& form) : m_form(form) {}

    controls::CommandButton& cmdConnect() override;
    controls::TextBox& txtSend() override;
    controls::CommandButton& cmdSend() override;
    controls::ListBox& List1() override;
    controls::Label& lblLap() override;
    controls::Label& Label3() override;
    controls::Label& lblGezeigterFahrer() override;
    controls::Label& lblMeineID() override;
    controls::CommandButton& cmdStartRaceTracker() override;
    controls::Label& lblStreckennodes() override;
    controls::Label& Label5() override;
    controls::CheckBox& Check1() override;
    PlayerLabels& lblFahrer() override;
    PlayerLabels& lblUID() override;
    std::int32_t& lngTimer() override;
    bits::MessageLine& messageLine() override;

    void SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                         std::uint8_t p3) override;
    void TextInDX(std::string_view text) override;
    void GrafikInDXZeigen(std::string_view file) override;
    void GrafikInDXVerbergen(std::string_view file) override;
    void Neustart() override;
    void pump() override;
    void linkUp(std::string_view product, std::string_view version) override;
    void carsKnown(int count) override;

private:
    frmMain& m_form;
};

}  // namespace rennlupe::ui
