#include "ui/MainDispatchHost.h"

#include "ui/frmMain.h"

namespace rennlupe::ui {

controls::CommandButton& MainDispatchHost::cmdConnect() {
    return m_form.cmdConnect;
}
controls::TextBox& MainDispatchHost::txtSend() {
    return m_form.txtSend;
}
controls::CommandButton& MainDispatchHost::cmdSend() {
    return m_form.cmdSend;
}
controls::ListBox& MainDispatchHost::List1() {
    return m_form.List1;
}
controls::Label& MainDispatchHost::lblLap() {
    return m_form.lblLap;
}
controls::Label& MainDispatchHost::Label3() {
    return m_form.Label3;
}
controls::Label& MainDispatchHost::lblGezeigterFahrer() {
    return m_form.lblGezeigterFahrer;
}
controls::Label& MainDispatchHost::lblMeineID() {
    return m_form.lblMeineID;
}
controls::CommandButton& MainDispatchHost::cmdStartRaceTracker() {
    return m_form.cmdStartRaceTracker;
}
controls::Label& MainDispatchHost::lblStreckennodes() {
    return m_form.lblStreckennodes;
}
controls::Label& MainDispatchHost::Label5() {
    return m_form.Label5;
}
controls::CheckBox& MainDispatchHost::Check1() {
    return m_form.Check1;
}
insim::DispatchHost::PlayerLabels& MainDispatchHost::lblFahrer() {
    return m_form.fahrerinfo.lblFahrer;
}
insim::DispatchHost::PlayerLabels& MainDispatchHost::lblUID() {
    return m_form.fahrerinfo.lblUID;
}
std::int32_t& MainDispatchHost::lngTimer() {
    return m_form.lngTimer;
}
bits::MessageLine& MainDispatchHost::messageLine() {
    return m_form.StatusBar;
}

void MainDispatchHost::SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                                       std::uint8_t p3) {
    m_form.SendShortPacket(id, p1, p2, p3);
}
void MainDispatchHost::TextInDX(std::string_view text) {
    m_form.form1.TextInDX(text);
}
void MainDispatchHost::GrafikInDXZeigen(std::string_view file) {
    m_form.form1.GrafikInDXZeigen(file);
}
void MainDispatchHost::GrafikInDXVerbergen(std::string_view file) {
    m_form.form1.GrafikInDXVerbergen(file);
}
void MainDispatchHost::Neustart() {
    m_form.Neustart();
}
void MainDispatchHost::pump() {
    m_form.pump();
}
void MainDispatchHost::linkUp(std::string_view product, std::string_view version) {
    m_form.link.connected(product, version);
}
void MainDispatchHost::carsKnown(int count) {
    m_form.link.cars(count);
}

}  // namespace rennlupe::ui
