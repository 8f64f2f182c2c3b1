#pragma once

#include "controls/Window.h"

#include <QWidget>

namespace rennlupe::platform::qt {

// A side window: its title and visibility follow the window control, and it
// closes for good when the control is unloaded.
class BoundWindow : public QWidget {
public:
    BoundWindow(Window& window, QWidget* owner);
    void refresh();

private:
    Window& m_window;
};

}  // namespace rennlupe::platform::qt
