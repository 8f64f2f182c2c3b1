#include "desktop/runDesktop.h"

#include "bits/SystemClock.h"
#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/QtLoop.h"
#include "desktop/QtOverlayLibrary.h"
#include "desktop/QtStatusWindow.h"
#include "desktop/QuitSignals.h"
#include "platform/files/SystemFiles.h"

#include <QApplication>

namespace rennlupe::desktop {

int runDesktop(const ui::StartOptions& options, std::ostream& err) {
    // Qt reads no options of ours: the command line was read before.
    static int argc = 1;
    static char name[] = "rennlupe";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rennlupe"));
    QGuiApplication::setDesktopFileName(QStringLiteral("rennlupe"));

    QtLoop loop;
    platform::SystemFiles files;
    QtOverlayLibrary overlayLibrary(files);
    bits::SystemClock clock;
    MainWindow window;
    auto* statusWindow = new QtStatusWindow(&window);
    Desktop desktop({loop, *statusWindow, overlayLibrary, files, clock, err}, window);
    statusWindow->attach(desktop.form().StatusBar);
    // The overlay's windows must not keep the program running once the main window is closed.
    window.closing = [unload = window.closing] {
        unload();
        QCoreApplication::quit();
    };
    const QuitSignals quitSignals([&window] { window.close(); });
    desktop.start(options);
    QApplication::exec();
    if (!desktop.closed()) {
        window.close();
    }
    return desktop.exitCode();
}

}  // namespace rennlupe::desktop
