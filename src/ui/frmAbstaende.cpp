#include "ui/frmAbstaende.h"

#include "controls/makeLabelArray.h"
#include "ui/wireSideWindowTransparency.h"

#include <string>

namespace rennlupe::ui {

using controls::makeLabelArray;

namespace {

// "01" to "20", one per row from the top down.
std::string positionText(std::size_t row) {
    const std::string number = std::to_string(row + 1);
    return number.size() == 1 ? "0" + number : number;
}

}  // namespace

frmAbstaende::frmAbstaende(WindowStyle& style, bits::MessageLine& messages)
    : window("frmAbstaende", std::string(kCaption)),
      Label3("Label3", "Pos."),
      Label1("Label1", "Fahrername"),
      lblBeschriftung("lblBeschriftung", "Runde"),
      Label2("Label2", "Abstand"),
      lblPosition(makeLabelArray<kRows>("lblPosition", positionText)),
      lblID(makeLabelArray<kRows>("lblID", "ID")),
      lblFahrer(makeLabelArray<kRows>("lblFahrer", "AA")),
      lblRunde(makeLabelArray<kRows>("lblRunde", "0")),
      lblNode(makeLabelArray<kRows>("lblNode", "Node")),
      lblZeit(makeLabelArray<kRows>("lblZeit", "Zeit")),
      lblAbstand(makeLabelArray<kRows>("lblAbstand", "0.00:000")),
      sldTrans("sldTrans", 128, 254) {
    window.setVisible(false);
    wireSideWindowTransparency(sldTrans, window, style, messages);
}

}  // namespace rennlupe::ui
