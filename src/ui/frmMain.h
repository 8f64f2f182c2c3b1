#pragma once

#include "bits/Clock.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/CommandButton.h"
#include "controls/Frame.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/Slider.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "net/GameSenders.h"
#include "net/okSocket.h"
#include "overlay/Form1.h"
#include "overlay/OverlayLibrary.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/files/Files.h"
#include "settings/modEinstellungenSpeichern.h"
#include "statusbar/StatusWindow.h"
#include "statusbar/ucStatusbar.h"
#include "ui/ChosenOverlay.h"
#include "ui/ConnectionSettings.h"
#include "ui/DrawChoice.h"
#include "ui/frmAbstaende.h"
#include "ui/frmFahrerinfo.h"
#include "ui/LinkPanel.h"
#include "ui/MainDispatchHost.h"
#include "ui/ModernFront.h"
#include "ui/Protocol.h"
#include "ui/SliderSettings.h"
#include "ui/StartOptions.h"
#include "ui/TimerBinding.h"
#include "ui/WindowStyle.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::ui {

// The main window "Rennlupe": connection control, the hidden race
// information, the six sliders, and the host of the packet dispatcher.
class frmMain {
public:
    static constexpr std::string_view kCaption = "Rennlupe";
    static constexpr std::string_view kWelcome =
        "Willkommen! Ports, Passwort, ggf. IP eintragen und connecten ...";
    static constexpr std::int32_t kInSimPort = 29999;
    // Where the game's datagrams arrive unless the user says otherwise: above 1023,
    // so any user may bind it, and below the systems' ranges for outgoing ports.
    static constexpr std::string_view kReceivePort = "29998";
    static constexpr std::string_view kFontName = "Tahoma";
    static constexpr double kFontSize = 8.25;

    struct Parts {
        platform::EventLoop& loop;
        statusbar::StatusWindow& statusWindow;
        overlay::OverlayLibrary& overlayLibrary;
        platform::Files& files;
        const bits::Clock& clock;
        WindowStyle& windowStyle;
        std::ostream& errors;  // where a failed save is told as well, the window closing
        std::ostream* buttonLines = nullptr;  // "button: ..." for each button packet sent
    };

    explicit frmMain(Parts parts);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Both go through the handler guard; Unload is true when the settings were saved.
    void Load();
    bool Unload();
    // The keep-alive interval, then Load, then the options' boxes filled in.
    void LoadWith(const StartOptions& options);
    // Clicks Connect when the options ask; while the port rule keeps it
    // disabled, the message line says why instead.
    void connectAsAsked(const StartOptions& options);

    void CloseDown();

    // The controls, in the window's control order.
    controls::Frame Frame1{"Frame1", ""};
    controls::CommandButton cmdConnect{"cmdConnect", "Connect"};
    controls::Label lblSendPort{"lblSendPort", "Send Port:"};
    controls::TextBox txtSendPort{"txtSendPort", "29999", 5};
    controls::Label lblRecv{"lblRecv", "Recv Port:"};
    controls::TextBox txtRecvPort{"txtRecvPort", std::string(kReceivePort), 5};
    controls::Label lblPassword{"lblPassword", "Password:"};
    controls::TextBox txtPassword{"txtPassword", "", 15};
    controls::Label Label2{"Label2", "abweichende IP:"};
    controls::TextBox txtIP{"txtIP", ""};
    controls::ComboBox cboProtocol{"cboProtocol", {kProtocolNames.begin(), kProtocolNames.end()}};
    controls::Label lblDraw{"lblDraw", "Zeichnen:"};
    controls::ComboBox cboDraw{"cboDraw", {kDrawNames.begin(), kDrawNames.end()}};
    controls::Label lblChat{"lblChat", "Chat!:"};
    controls::TextBox txtSend{"txtSend", "", 63};
    controls::CommandButton cmdSend{"cmdSend", "Send"};
    controls::CommandButton cmdStartRaceTracker{"cmdStartRaceTracker", "Racetracker starten"};
    controls::CheckBox Check1{"Check1", "Informationen abrufen", controls::CheckBox::kChecked};
    controls::Image Image1{"Image1"};
    controls::Frame Frame6{"Frame6", "Schrift"};
    controls::Label lblSlider1{"lblSlider1", "X Position"};
    controls::Slider Slider1{"Slider1", 0, 1000};
    controls::Label lblSlider2{"lblSlider2", "Y-Position"};
    controls::Slider Slider2{"Slider2", 0, 1000};
    controls::Label lblSlider3{"lblSlider3", "Farbe"};
    controls::Slider Slider3{"Slider3", 0, 65000};
    controls::Label lblSlider4{"lblSlider4", "Schriftgröße"};
    controls::Slider Slider4{"Slider4", 0, 100, 1, 1};
    controls::Frame Frame7{"Frame7", "Grafik"};
    controls::Label lblSlider5{"lblSlider5", "X Position"};
    controls::Slider Slider5{"Slider5", 0, 1000};
    controls::Label lblSlider6{"lblSlider6", "Y-Position"};
    controls::Slider Slider6{"Slider6", 0, 1000};
    controls::Frame Frame3{"Frame3", "gezeigter Fahrer / Abstand nach vorne und hinten"};
    controls::Label lblGezeigterFahrer{"lblGezeigterFahrer", "AA"};
    controls::Label lblMeineID{"lblMeineID", "35"};
    controls::Label lblLap{"lblLap", "Label1"};
    controls::Label lblStreckennodes{"lblStreckennodes", "Label1"};
    controls::Label Label3{"Label3", "Label3"};
    controls::Label Label5{"Label5", "Label5"};
    controls::Frame Frame5{"Frame5", "Renninfo"};
    controls::ListBox List1{"List1"};
    controls::Timer KeepAlive{"KeepAlive", 1000};

    std::int32_t lngClientSocket = 0;
    std::int32_t lngServerSocket = 0;

    std::int32_t lngTimer = 0;

    statusbar::ucStatusbar StatusBar;
    LinkPanel link{StatusBar};
    frmFahrerinfo fahrerinfo;
    frmAbstaende abstaende;
    net::okSocket InSimSocket;
    ModernFront modern;
    ChosenOverlay drawing;  // the screen's overlay, the game's buttons, or both
    overlay::Form1 form1;
    insim::RaceState race;
    settings::modEinstellungenSpeichern settingsFile;

    void Neustart();
    // What the dispatcher's host forwards: the request packets and the pump.
    void SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3);
    void pump();

private:
    void wireHandlers();
    void cmdConnect_Click();
    void KeepAlive_Timer();
    void InSimSocket_ReceivedBytes(std::int32_t lngSocket, std::span<const std::uint8_t> bytData,
                                   std::int32_t lngLength);
    void portRule(const controls::TextBox& changed);
    void tryToConnect();
    void keepLinkAlive();
    void receiveModern(std::span<const std::uint8_t> datagram);
    Protocol chosenProtocol() const;
    Draw chosenDraw() const;
    // Buttons while today's game is linked (unless the screen is chosen), else the screen.
    void updateDrawing();
    void chatSend();
    std::string socketFailureReason(std::int32_t port) const;
    // Runs one handler under the guard, named as the program names it.
    template <typename Handler>
    void guarded(std::string_view name, Handler&& handler);

    Parts m_parts;
    std::string m_gameAddress;  // as the connect messages name it, "192.168.1.20:29999"
    net::GameSenders m_gameSenders;
    std::unique_ptr<MainDispatchHost> m_host;
    std::unique_ptr<insim::PacketDispatcher> m_dispatcher;
    SliderSettings m_sliderSettings;
    ConnectionSettings m_connectionSettings;
    std::int32_t m_intervalMs = ConnectionSettings::Values{}.intervalMs;
    GameButtonsOverlay::Options m_buttonOptions;
    TrendColours m_trend = ConnectionSettings::Values{}.trend;
    // The generation this connection speaks: Auto until the game has answered one of them.
    Protocol m_speaking = Protocol::Auto;
    bool m_legacyTried = false;
    int m_ticksSinceKeepAlive = 0;
    int m_carsShown = 0;  // on track in today's race, as the link panel says
    std::vector<std::unique_ptr<TimerBinding>> m_timers;
};

}  // namespace rennlupe::ui
