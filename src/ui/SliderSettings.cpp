#include "ui/SliderSettings.h"

#include "insim/Windows1252.h"
#include "ui/writeSettings.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace rennlupe::ui {

namespace {

std::string fileBytes(std::string_view text) {
    const auto bytes = insim::utf8ToWindows1252(text);
    return {bytes.begin(), bytes.end()};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

SliderSettings::SliderSettings(settings::modEinstellungenSpeichern& settings, Sliders sliders,
                               std::string file)
    : m_settings(settings), m_sliders(sliders), m_file(std::move(file)) {}

std::optional<std::int64_t> SliderSettings::wholeNumber(std::string_view text) {
    std::size_t at = 0;
    std::size_t end = text.size();
    while (at < end && isBlank(text[at])) {
        ++at;
    }
    while (end > at && isBlank(text[end - 1])) {
        --end;
    }
    const bool negative = at < end && text[at] == '-';
    if (at < end && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    if (at == end) {
        return std::nullopt;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;  // kept within one of the limits of either sign
    for (; at < end; ++at) {
        if (text[at] < '0' || text[at] > '9') {
            return std::nullopt;
        }
        const int digit = text[at] - '0';
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
    }
    return negative ? (magnitude == kLimit ? std::numeric_limits<std::int64_t>::min() : -magnitude)
                    : magnitude;
}

void SliderSettings::load(bits::MessageLine& messageLine, const std::array<int, 6>& defaults) {
    std::string corrected;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        controls::Slider& slider = m_sliders[i];
        const std::string stored = m_settings.ReadSetting(fileBytes(kSection), fileBytes(kKeys[i]),
                                                          std::to_string(defaults[i]), m_file);
        const std::optional<std::int64_t> number = wholeNumber(stored);
        const std::int64_t value =
            std::clamp<std::int64_t>(number.value_or(defaults[i]), slider.min(), slider.max());
        if (!number || value != *number) {
            corrected += (corrected.empty() ? "" : ", ") + std::string(kKeys[i]);
        }
        slider.setValue(static_cast<int>(value));
    }
    if (!corrected.empty()) {
        messageLine.show("Settings: invalid values corrected (" + corrected + ")");
    }
}

bool SliderSettings::save(bits::MessageLine& messageLine, std::ostream& errors) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const controls::Slider& slider = m_sliders[i];
        entries.emplace_back(fileBytes(kKeys[i]), std::to_string(slider.value()));
    }
    return writeSettings(m_settings, fileBytes(kSection), entries, m_file, messageLine, errors);
}

}  // namespace rennlupe::ui
