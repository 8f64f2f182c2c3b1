#pragma once

#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/QtLoop.h"
#include "desktop/QtOverlayLibrary.h"
#include "desktop/QtStatusWindow.h"
#include "support/FailingFiles.h"
#include "support/ManualClock.h"
#include "support/TemporaryFolder.h"

#include <sstream>

namespace rennlupe::desktop {

// The window on the Qt loop, status window and overlay, as the program runs
// it, with its executable (and so its settings) in a folder of the test's own.
struct DesktopOnQt {
    DesktopOnQt() {
        files.placeExecutable(folder.file("rennlupe"));
        status->attach(desktop.form().StatusBar);
    }

    support::TemporaryFolder folder;
    support::FailingFiles files;
    QtLoop loop;
    QtOverlayLibrary overlay;
    support::ManualClock clock{30000.0};
    std::ostringstream errors;
    MainWindow window;
    QtStatusWindow* status = new QtStatusWindow(&window);  // the window owns it
    Desktop desktop{{loop, *status, overlay, files, clock, errors}, window};
};

}  // namespace rennlupe::desktop
