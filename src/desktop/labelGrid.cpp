#include "desktop/labelGrid.h"

#include "desktop/placeControl.h"

namespace rennlupe::desktop {

QFont gridFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    return font;
}

BoundLabel& addGridLabel(controls::Label& label, QWidget& parent, ControlWidgets& widgets, int left,
                         int top, int width) {
    auto& shown =
        placeControl<BoundLabel>(label, parent, widgets, {left, top, width, kGridRowHeight});
    shown.setFont(gridFont());
    return shown;
}

void addGridColumn(std::span<controls::Label> rows, QWidget& parent, ControlWidgets& widgets,
                   int left, int top, int width) {
    int rowTop = top;
    for (controls::Label& row : rows) {
        addGridLabel(row, parent, widgets, left, rowTop, width);
        rowTop += kGridRowHeight;
    }
}

}  // namespace rennlupe::desktop
