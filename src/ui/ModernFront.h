#pragma once

#include "bits/Clock.h"
#include "bits/MessageLine.h"
#include "insim10/PacketDecoder.h"
#include "net/okSocket.h"
#include "overlay/Form1.h"
#include "race/GapTrend.h"
#include "race/RaceModel.h"
#include "ui/GameButtonsOverlay.h"
#include "ui/SettingsPanel.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace rennlupe::ui {

// The main window's side of a link with today's game: the packets of the connection cycle,
// and what the game's datagrams become: the race model, the gap lines and the shift picture.
class ModernFront {
public:
    static constexpr std::uint8_t kOldestInSim = 9;
    static constexpr std::uint32_t kGaugeInterval = 10;  // SMALL_SSG's UVal, as the old front asks

    struct Parts {
        net::okSocket& socket;
        const std::int32_t& clientSocket;  // 0 while there is no link: nothing is sent
        overlay::Form1& form1;
        const bits::Clock& clock;
        SettingsPanel::Sliders sliders;
    };
    // What a datagram meant for the connection cycle.
    enum class Answer { Nothing, Connected, TooOld };

    explicit ModernFront(Parts parts);

    // A new connection: an empty field, nothing shown yet, drop counts from 0.
    void begin(std::uint16_t receivePort, std::string_view password, std::uint16_t intervalMs);
    // Gap lines that shrink or grow begin with the game's colour codes while this is on.
    void setTrendColours(bool on) { m_trendColours = on; }
    void sendInit();
    void sendKeepAlive();
    // BFN_CLEAR for our buttons, then TINY_CLOSE.
    void sendClose();
    // Chat or a /command: IS_MST, or IS_MSX for a longer text that is not a command.
    void sendChat(std::string_view text);
    Answer receive(std::span<const std::uint8_t> datagram, bool connecting);

    // True when the datagram is today's IS_VER: the game answered the new handshake.
    static bool isVersionAnswer(std::span<const std::uint8_t> datagram);
    const std::string& product() const { return m_product; }
    const std::string& version() const { return m_version; }
    std::uint8_t inSimVersion() const { return m_inSimVersion; }
    const insim10::PacketDecoder& decoder() const { return m_decoder; }
    const race::RaceModel& model() const { return m_model; }
    // The drawing with the game's buttons over this link.
    GameButtonsOverlay& buttons() { return m_buttons; }
    const SettingsPanel& panel() const { return m_panel; }
    // Only while the lines are the game's buttons; closes an open panel when off.
    void allowPanel(bool allowed);
    // Called after a click on the panel moved a slider, to save them.
    std::function<void()> slidersChanged;

private:
    void send(std::span<const std::uint8_t> bytes);
    void sendTiny(std::uint8_t subType);
    void showGaps();
    void followShiftLight(bool on);
    void chatLine(const insim10::IsMso& mso);
    // Redraws what the panel moved, and shows the shift indicator while the panel moves it.
    void afterPanel(SettingsPanel::Effect effect);

    Parts m_parts;
    GameButtonsOverlay m_buttons;
    SettingsPanel m_panel;
    bool m_panelAllowed = true;
    bool m_shiftLight = false;
    bool m_shiftPreview = false;  // a panel arrow moved the shift indicator: shown till closed
    insim10::PacketDecoder m_decoder;
    race::RaceModel m_model;
    race::GapTrend m_trend;
    bool m_trendColours = false;
    std::uint16_t m_receivePort = 0;
    std::string m_password;
    std::uint16_t m_interval = 0;
    std::string m_product;
    std::string m_version;
    std::uint8_t m_inSimVersion = 0;
    std::string m_shownText;
    bool m_textShown = false;
};

}  // namespace rennlupe::ui
