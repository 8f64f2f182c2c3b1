#include "desktop/FahrerinfoWindow.h"

#include "desktop/BoundFrame.h"
#include "desktop/BoundSlider.h"
#include "desktop/labelGrid.h"
#include "desktop/placeControl.h"

#include <QFrame>

#include <array>

namespace rennlupe::desktop {

namespace {

// Name, the three splits, lap time, lap counter, then the columns without a heading.
constexpr std::array<GridColumn, 9> kColumns{{{8, 130},
                                              {142, 62},
                                              {208, 62},
                                              {274, 62},
                                              {340, 62},
                                              {406, 44},
                                              {454, 56},
                                              {514, 52},
                                              {570, 30}}};
constexpr int kHeadingTop = 20;
constexpr int kFirstRowTop = 40;

}  // namespace

FahrerinfoWindow::FahrerinfoWindow(ui::frmFahrerinfo& form, ControlWidgets& widgets, QWidget* owner)
    : BoundWindow(form.window, owner) {
    widgets.add(form.window, *this);
    setFixedSize(620, 440);
    auto& frame = placeControl<BoundFrame>(form.Frame1, *this, widgets,
                                           {4, 4, 612, kFirstRowTop + 20 * kGridRowHeight + 12});
    for (std::size_t heading = 0; heading < form.lblBeschriftung.size(); ++heading) {
        addGridLabel(form.lblBeschriftung[heading], frame, widgets, kColumns[heading].left,
                     kHeadingTop, kColumns[heading].width);
    }
    const std::array<ui::frmFahrerinfo::Rows*, 9> columns{
        &form.lblFahrer,     &form.lblSP1,      &form.lblSp2,          &form.lblSP3, &form.lblLap,
        &form.lbllapcounter, &form.lblZeitzahl, &form.lblNeueBestzeit, &form.lblUID};
    for (std::size_t column = 0; column < columns.size(); ++column) {
        addGridColumn(*columns[column], frame, widgets, kColumns[column].left, kFirstRowTop,
                      kColumns[column].width);
    }
    // Line1(0) to Line1(3): the dividers between name, splits and lap time.
    for (std::size_t divider = 1; divider <= 4; ++divider) {
        auto* line = new QFrame(&frame);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(kColumns[divider].left - 4, kHeadingTop, 2, 21 * kGridRowHeight);
    }
    placeControl<BoundSlider>(form.Slider1, *this, widgets,
                              {8, frame.geometry().bottom() + 8, 200, 24});
}

}  // namespace rennlupe::desktop
