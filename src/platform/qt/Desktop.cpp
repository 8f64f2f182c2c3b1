#include "platform/qt/Desktop.h"

namespace rennlupe::platform::qt {

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

void Desktop::start(const DesktopOptions& options) {
    m_form.KeepAlive.setInterval(options.keepAliveMs);
    m_form.Load();
    if (options.host) {
        m_form.txtIP.setText(*options.host);
    }
    if (options.recvPort) {
        m_form.txtRecvPort.setText(*options.recvPort);
    }
    if (options.password) {
        m_form.txtPassword.setText(*options.password);
    }
    m_window.show();
    if (options.connect) {
        m_form.cmdConnect.click();
    }
}

}  // namespace rennlupe::platform::qt
