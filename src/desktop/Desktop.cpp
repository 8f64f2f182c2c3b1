#include "desktop/Desktop.h"

namespace rennlupe::desktop {

Desktop::Desktop(Parts parts, MainWindow& window)
    : m_style(m_widgets),
      m_form({parts.loop, parts.statusWindow, parts.overlayLibrary, parts.files, parts.clock,
              m_style, parts.errors}),
      m_window(window) {
    m_window.showControls(m_form, m_widgets);
    m_fahrerinfo = new FahrerinfoWindow(m_form.fahrerinfo, m_widgets, &m_window);
    m_abstaende = new AbstaendeWindow(m_form.abstaende, m_widgets, &m_window);
    m_window.closing = [this] {
        m_saved = m_form.Unload();
        m_closed = true;
    };
}

void Desktop::start(const ui::StartOptions& options) {
    m_form.LoadWith(options);
    m_window.show();
    m_form.connectAsAsked(options);
}

}  // namespace rennlupe::desktop
