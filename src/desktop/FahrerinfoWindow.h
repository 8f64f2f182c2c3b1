#pragma once

#include "desktop/BoundWindow.h"
#include "desktop/ControlWidgets.h"
#include "ui/frmFahrerinfo.h"

namespace rennlupe::desktop {

// "Fahrerinfo": split and lap times per player, never shown by the program itself.
class FahrerinfoWindow final : public BoundWindow {
public:
    FahrerinfoWindow(ui::frmFahrerinfo& form, ControlWidgets& widgets, QWidget* owner);
};

}  // namespace rennlupe::desktop
