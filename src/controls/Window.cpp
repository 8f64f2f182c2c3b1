#include "controls/Window.h"

namespace rennlupe::controls {

void Window::unload() {
    if (m_loaded) {
        m_loaded = false;
        setVisible(false);
        Unload.raise();
    }
}

}  // namespace rennlupe::controls
