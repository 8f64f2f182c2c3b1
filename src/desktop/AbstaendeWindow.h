#pragma once

#include "desktop/BoundWindow.h"
#include "desktop/ControlWidgets.h"
#include "ui/frmAbstaende.h"

namespace rennlupe::desktop {

// "Rangliste der Fahrer": the gap table, never filled nor shown by the program itself.
class AbstaendeWindow final : public BoundWindow {
public:
    AbstaendeWindow(ui::frmAbstaende& form, ControlWidgets& widgets, QWidget* owner);
};

}  // namespace rennlupe::desktop
