#include "ui/frmFahrerinfo.h"

#include "controls/makeLabelArray.h"
#include "ui/wireSideWindowTransparency.h"

#include <string>

namespace rennlupe::ui {

using controls::makeLabelArray;

frmFahrerinfo::frmFahrerinfo(WindowStyle& style, bits::MessageLine& messages)
    : window("frmFahrerinfo", std::string(kCaption)),
      Frame1("Frame1", "Split und Rundenzeiten"),
      lblBeschriftung{controls::Label("lblBeschriftung(0)", "Fahrername"),
                      controls::Label("lblBeschriftung(1)", "Split 1"),
                      controls::Label("lblBeschriftung(2)", "Split 2"),
                      controls::Label("lblBeschriftung(3)", "Split 3"),
                      controls::Label("lblBeschriftung(4)", "Laptime"),
                      controls::Label("lblBeschriftung(5)", "Runde")},
      lblFahrer(makeLabelArray<kRows>("lblFahrer", "AA")),
      lblSP1(makeLabelArray<kRows>("lblSP1", "AA")),
      lblSp2(makeLabelArray<kRows>("lblSp2", "AA")),
      lblSP3(makeLabelArray<kRows>("lblSP3", "AA")),
      lblLap(makeLabelArray<kRows>("lblLap", "AA")),
      lbllapcounter(makeLabelArray<kRows>("lbllapcounter", "Label1")),
      lblZeitzahl(makeLabelArray<kRows>("lblZeitzahl", "Label1")),
      lblNeueBestzeit(makeLabelArray<kRows>("lblNeueBestzeit", "neue BZ")),
      lblUID(makeLabelArray<kRows>("lblUID", "0")),
      Slider1("Slider1", 128, 254) {
    window.setVisible(false);
    wireSideWindowTransparency(Slider1, window, style, messages);
}

}  // namespace rennlupe::ui
