#pragma once

#include "bits/MessageLine.h"
#include "settings/modEinstellungenSpeichern.h"
#include "ui/DrawChoice.h"
#include "ui/GameScreen.h"
#include "ui/Protocol.h"
#include "ui/TrendColours.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace rennlupe::ui {

// The connection's choices in a section of their own: the protocol, the game's InSim port,
// how often the game sends the cars' positions, where and how the lines are drawn, and whether
// they show their trend.
class ConnectionSettings {
public:
    static constexpr std::string_view kSection = "Verbindung";
    static constexpr std::string_view kProtocolKey = "Protokoll";
    static constexpr std::string_view kGamePortKey = "Spielport";
    static constexpr std::string_view kIntervalKey = "Intervall";
    static constexpr std::string_view kDrawKey = "Zeichnen";
    static constexpr std::string_view kClickIdKey = "ClickID";
    static constexpr std::string_view kGameScreenKey = "Spielbildschirm";
    static constexpr std::string_view kTrendKey = "Trendfarben";

    struct Values {
        Protocol protocol = Protocol::Auto;
        std::int32_t gamePort = 29999;
        std::int32_t intervalMs = 100;  // the game takes 10 to 8000
        Draw draw = Draw::Auto;
        std::int32_t clickBase = 200;  // the first of the game buttons' ClickIDs, 0 to 237
        GameScreen gameScreen{};
        TrendColours trend = TrendColours::Auto;
    };

    explicit ConnectionSettings(settings::modEinstellungenSpeichern& settings,
                                std::string file = {});

    // Missing keys take the defaults; unreadable ones too, and they are named in one message.
    Values load(bits::MessageLine& messageLine);
    // Tries every write; a failure is reported once, on the line and on errors.
    bool save(const Values& values, bits::MessageLine& messageLine, std::ostream& errors);

private:
    settings::modEinstellungenSpeichern& m_settings;
    std::string m_file;
};

}  // namespace rennlupe::ui
