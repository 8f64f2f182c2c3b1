#pragma once

#include "bits/Clock.h"
#include "desktop/AbstaendeWindow.h"
#include "desktop/ControlWidgets.h"
#include "desktop/FahrerinfoWindow.h"
#include "desktop/MainWindow.h"
#include "desktop/QtWindowStyle.h"
#include "overlay/OverlayLibrary.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/files/Files.h"
#include "statusbar/StatusWindow.h"
#include "ui/frmMain.h"
#include "ui/StartOptions.h"

#include <QPointer>

#include <ostream>

namespace rennlupe::desktop {

// The forms shown in their windows: the main window with its controls and
// the two side windows, which the program makes but never shows.
class Desktop {
public:
    struct Parts {
        platform::EventLoop& loop;
        statusbar::StatusWindow& statusWindow;
        overlay::OverlayLibrary& overlayLibrary;
        platform::Files& files;
        const bits::Clock& clock;
        std::ostream& errors;
    };

    Desktop(Parts parts, MainWindow& window);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Loads the form, fills in the options, shows the window, clicks Connect if asked.
    void start(const ui::StartOptions& options);

    ui::frmMain& form() noexcept { return m_form; }
    const ControlWidgets& widgets() const noexcept { return m_widgets; }
    // Until the form unloads them.
    FahrerinfoWindow* fahrerinfoWindow() const { return m_fahrerinfo.data(); }
    AbstaendeWindow* abstaendeWindow() const { return m_abstaende.data(); }
    bool closed() const noexcept { return m_closed; }
    // After the window closed: 0, or 1 when the settings could not be saved.
    int exitCode() const noexcept { return m_saved ? 0 : 1; }

private:
    ControlWidgets m_widgets;
    QtWindowStyle m_style;
    ui::frmMain m_form;
    MainWindow& m_window;
    QPointer<FahrerinfoWindow> m_fahrerinfo;
    QPointer<AbstaendeWindow> m_abstaende;
    bool m_closed = false;
    bool m_saved = false;
};

}  // namespace rennlupe::desktop
