#pragma once

#include "bits/MessageLine.h"
#include "controls/Slider.h"
#include "settings/modEinstellungenSpeichern.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace rennlupe::ui {

// The six sliders of the main window and their keys in the settings file.
class SliderSettings {
public:
    static constexpr std::string_view kSection = "Positionen";
    static constexpr std::array<std::string_view, 6> kKeys = {
        "X position", "Y position", "Farbe", "Größe", "Grafik X", "Grafik Y"};
    using Sliders = std::array<std::reference_wrapper<controls::Slider>, 6>;

    // An empty file means the program's own settings file.
    SliderSettings(settings::modEinstellungenSpeichern& settings, Sliders sliders,
                   std::string file = {});

    // Sets each slider from its key, or to its default where the key is missing;
    // stored values that are no whole number take the default, those outside the
    // slider's range are clamped, and both are reported in one message.
    void load(bits::MessageLine& messageLine, const std::array<int, 6>& defaults);
    // Tries all six writes; any failure is reported once, on the line and on errors.
    bool save(bits::MessageLine& messageLine, std::ostream& errors);

    // Optional blanks, sign and decimal digits, saturated to 64 bits; nothing otherwise.
    static std::optional<std::int64_t> wholeNumber(std::string_view text);

private:
    settings::modEinstellungenSpeichern& m_settings;
    Sliders m_sliders;
    std::string m_file;
};

}  // namespace rennlupe::ui
