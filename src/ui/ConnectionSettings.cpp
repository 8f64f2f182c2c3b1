#include "ui/ConnectionSettings.h"

#include "bits/textToNumber.h"
#include "ui/writeSettings.h"

#include <optional>
#include <utility>

namespace rennlupe::ui {

namespace {

std::optional<std::int32_t> wholeIn(std::string_view text, double low, double high) {
    const auto number = bits::readNumber(text, {.low = low, .high = high});
    return number ? std::optional(static_cast<std::int32_t>(*number)) : std::nullopt;
}

}  // namespace

ConnectionSettings::ConnectionSettings(settings::modEinstellungenSpeichern& settings,
                                       std::string file)
    : m_settings(settings), m_file(std::move(file)) {}

ConnectionSettings::Values ConnectionSettings::load(bits::MessageLine& messageLine) {
    const Values defaults;
    Values values;
    std::string corrected;
    const auto read = [&](std::string_view key, std::string_view fallback) {
        return m_settings.ReadSetting(kSection, key, fallback, m_file);
    };
    const auto note = [&corrected](std::string_view key) {
        corrected += (corrected.empty() ? "" : ", ") + std::string(key);
    };
    const std::string protocol = read(kProtocolKey, nameOf(defaults.protocol));
    if (const auto chosen = protocolNamed(protocol)) {
        values.protocol = *chosen;
    } else {
        note(kProtocolKey);
    }
    const std::string port = read(kGamePortKey, std::to_string(defaults.gamePort));
    if (const auto number = wholeIn(port, 1, 65535)) {
        values.gamePort = *number;
    } else {
        note(kGamePortKey);
    }
    const std::string interval = read(kIntervalKey, std::to_string(defaults.intervalMs));
    if (const auto number = wholeIn(interval, 10, 8000)) {
        values.intervalMs = *number;
    } else {
        note(kIntervalKey);
    }
    const std::string draw = read(kDrawKey, nameOf(defaults.draw));
    if (const auto chosen = drawNamed(draw)) {
        values.draw = *chosen;
    } else {
        note(kDrawKey);
    }
    const std::string base = read(kClickIdKey, std::to_string(defaults.clickBase));
    if (const auto number = wholeIn(base, 0, 237)) {
        values.clickBase = *number;
    } else {
        note(kClickIdKey);
    }
    const std::string screen = read(kGameScreenKey, defaults.gameScreen.text());
    if (const auto size = GameScreen::named(screen)) {
        values.gameScreen = *size;
    } else {
        note(kGameScreenKey);
    }
    const std::string trend = read(kTrendKey, nameOf(defaults.trend));
    if (const auto chosen = trendColoursNamed(trend)) {
        values.trend = *chosen;
    } else {
        note(kTrendKey);
    }
    if (!corrected.empty()) {
        messageLine.show("Settings: invalid values corrected (" + corrected + ")");
    }
    return values;
}

bool ConnectionSettings::save(const Values& values, bits::MessageLine& messageLine,
                              std::ostream& errors) {
    const std::pair<std::string, std::string> entries[] = {
        {std::string(kProtocolKey), std::string(nameOf(values.protocol))},
        {std::string(kGamePortKey), std::to_string(values.gamePort)},
        {std::string(kIntervalKey), std::to_string(values.intervalMs)},
        {std::string(kDrawKey), std::string(nameOf(values.draw))},
        {std::string(kClickIdKey), std::to_string(values.clickBase)},
        {std::string(kGameScreenKey), values.gameScreen.text()},
        {std::string(kTrendKey), std::string(nameOf(values.trend))}};
    return writeSettings(m_settings, kSection, entries, m_file, messageLine, errors);
}

}  // namespace rennlupe::ui
