#include "desktop/whyNoDisplay.h"

#include "platform/process/runQuietChild.h"

#include <QGuiApplication>

#include <cstdlib>

namespace rennlupe::desktop {

namespace {

const char* setVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// In a child: ends with 0 when Qt opens its window system; Qt aborts it otherwise.
int tryWindowSystem() {
    static int argc = 1;
    static char name[] = "rennlupe";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // never freed: the child ends at once
    return 0;
}

}  // namespace

std::optional<std::string> whyNoDisplay() {
    const char* display = setVariable("DISPLAY");
    if (setVariable("QT_QPA_PLATFORM") == nullptr && display == nullptr &&
        setVariable("WAYLAND_DISPLAY") == nullptr) {
        return "no display found (DISPLAY is not set)";
    }
    // Without a child to try in, Qt tries for itself.
    const std::optional<int> tried = platform::runQuietChild(tryWindowSystem);
    if (!tried || *tried == 0) {
        return std::nullopt;
    }
    return display != nullptr ? "the display \"" + std::string(display) + "\" cannot be opened"
                              : std::string("no window system could be opened");
}

}  // namespace rennlupe::desktop
