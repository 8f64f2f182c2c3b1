#pragma once

#include "controls/Window.h"

#include <QWidget>

namespace rennlupe::desktop {

// A side window: its title and visibility follow the window control, and it
// closes for good when the control is unloaded.
class BoundWindow : public QWidget {
public:
    BoundWindow(controls::Window& window, QWidget* owner);
    void refresh();

private:
    controls::Window& m_window;
};

}  // namespace rennlupe::desktop
