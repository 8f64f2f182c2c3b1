#pragma once

#include "controls/Label.h"
#include "desktop/BoundLabel.h"
#include "desktop/ControlWidgets.h"

#include <QFont>
#include <QWidget>

#include <span>

namespace rennlupe::desktop {

// The side windows' tables: Arial, one label per row, rows 16 pixels apart.
inline constexpr int kGridRowHeight = 16;

struct GridColumn {
    int left;
    int width;
};

QFont gridFont();

// One column of row labels from the top row down, each shown and registered.
void addGridColumn(std::span<controls::Label> rows, QWidget& parent, ControlWidgets& widgets,
                   int left, int top, int width);

// A single label (a column heading) at its place.
BoundLabel& addGridLabel(controls::Label& label, QWidget& parent, ControlWidgets& widgets, int left,
                         int top, int width);

}  // namespace rennlupe::desktop
