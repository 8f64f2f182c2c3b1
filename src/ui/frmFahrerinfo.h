#pragma once

#include "bits/MessageLine.h"
#include "controls/Frame.h"
#include "controls/Label.h"
#include "controls/Slider.h"
#include "controls/Window.h"
#include "ui/WindowStyle.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace rennlupe::ui {

// The driver-information window, "Fahrerinfo": a table of 20 rows, one per
// player number. Its lblFahrer and lblUID rows hold the player table; its
// slider sets the window's opacity.
class frmFahrerinfo {
public:
    static constexpr std::string_view kCaption = "Fahrerinfo";
    static constexpr std::size_t kRows = 20;
    using Rows = std::array<controls::Label, kRows>;

    frmFahrerinfo(WindowStyle& style, bits::MessageLine& messages);

    controls::Window window;
    controls::Frame Frame1;
    std::array<controls::Label, 6> lblBeschriftung;
    Rows lblFahrer;
    Rows lblSP1;
    Rows lblSp2;
    Rows lblSP3;
    Rows lblLap;
    Rows lbllapcounter;
    Rows lblZeitzahl;
    Rows lblNeueBestzeit;
    Rows lblUID;
    controls::Slider Slider1;
};

}  // namespace rennlupe::ui
