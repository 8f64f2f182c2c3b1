#include "desktop/AbstaendeWindow.h"

#include "desktop/BoundSlider.h"
#include "desktop/labelGrid.h"
#include "desktop/placeControl.h"

#include <array>

namespace rennlupe::desktop {

namespace {

// Position, id, name, lap, node, time and gap.
constexpr std::array<GridColumn, 7> kColumns{
    {{8, 30}, {42, 30}, {76, 130}, {210, 40}, {254, 44}, {302, 70}, {376, 70}}};
constexpr int kHeadingTop = 8;
constexpr int kFirstRowTop = 28;

}  // namespace

AbstaendeWindow::AbstaendeWindow(ui::frmAbstaende& form, ControlWidgets& widgets, QWidget* owner)
    : BoundWindow(form.window, owner) {
    widgets.add(form.window, *this);
    setFixedSize(456, kFirstRowTop + 20 * kGridRowHeight + 44);
    addGridLabel(form.Label3, *this, widgets, kColumns[0].left, kHeadingTop, kColumns[0].width);
    addGridLabel(form.Label1, *this, widgets, kColumns[2].left, kHeadingTop, kColumns[2].width);
    addGridLabel(form.lblBeschriftung, *this, widgets, kColumns[3].left, kHeadingTop,
                 kColumns[3].width);
    addGridLabel(form.Label2, *this, widgets, kColumns[6].left, kHeadingTop, kColumns[6].width);
    const std::array<ui::frmAbstaende::Rows*, 7> columns{
        &form.lblPosition, &form.lblID,   &form.lblFahrer, &form.lblRunde,
        &form.lblNode,     &form.lblZeit, &form.lblAbstand};
    for (std::size_t column = 0; column < columns.size(); ++column) {
        addGridColumn(*columns[column], *this, widgets, kColumns[column].left, kFirstRowTop,
                      kColumns[column].width);
    }
    placeControl<BoundSlider>(form.sldTrans, *this, widgets,
                              {8, kFirstRowTop + 20 * kGridRowHeight + 12, 200, 24});
}

}  // namespace rennlupe::desktop
