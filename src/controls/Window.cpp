#include "controls/Window.h"

namespace rennlupe::platform {

void Window::unload() {
    if (m_loaded) {
        m_loaded = false;
        setVisible(false);
        Unload.raise();
    }
}

}  // namespace rennlupe::platform
