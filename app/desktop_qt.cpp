#include "desktop.h"

#include "console/runHeadless.h"
#include "platform/qt/runDesktop.h"

#include <cstdlib>

namespace {

// Qt ends the program when it finds no display; the console front end needs none.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int runDesktopFrontEnd(const rennlupe::console::HeadlessOptions& options, std::ostream& out,
                       std::ostream& err) {
    if (!displayAvailable()) {
        err << "rennlupe: no display found (DISPLAY is not set); running headless\n";
        return rennlupe::console::runHeadless(options, out, err);
    }
    return rennlupe::platform::qt::runDesktop(
        {options.host, options.recvPort, options.password, options.connect, options.keepAliveMs},
        err);
}
