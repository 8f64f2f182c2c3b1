#pragma once

#include "bits/MessageLine.h"
#include "controls/Label.h"
#include "controls/Slider.h"
#include "controls/Window.h"
#include "ui/WindowStyle.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace rennlupe::ui {

// The gap window, "Rangliste der Fahrer": a table of 20 rows that the program
// creates but never fills. Its slider sets the window's opacity.
class frmAbstaende {
public:
    static constexpr std::string_view kCaption = "Rangliste der Fahrer";
    static constexpr std::size_t kRows = 20;
    using Rows = std::array<controls::Label, kRows>;

    frmAbstaende(WindowStyle& style, bits::MessageLine& messages);

    controls::Window window;
    controls::Label Label3;
    controls::Label Label1;
    controls::Label lblBeschriftung;
    controls::Label Label2;
    Rows lblPosition;
    Rows lblID;
    Rows lblFahrer;
    Rows lblRunde;
    Rows lblNode;
    Rows lblZeit;
    Rows lblAbstand;
    controls::Slider sldTrans;
};

}  // namespace rennlupe::ui
