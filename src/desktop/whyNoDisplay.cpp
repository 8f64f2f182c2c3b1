#include "desktop/whyNoDisplay.h"

#include <QGuiApplication>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

namespace rennlupe::desktop {

namespace {

const char* setVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// In a child: exits 0 when Qt opens its window system; Qt aborts it otherwise.
[[noreturn]] void tryWindowSystem() {
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        ::dup2(quiet, STDERR_FILENO);
    }
    static int argc = 1;
    static char name[] = "rennlupe";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // never freed: the child ends at once
    ::_exit(0);
}

}  // namespace

std::optional<std::string> whyNoDisplay() {
    const char* display = setVariable("DISPLAY");
    if (setVariable("QT_QPA_PLATFORM") == nullptr && display == nullptr &&
        setVariable("WAYLAND_DISPLAY") == nullptr) {
        return "no display found (DISPLAY is not set)";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return std::nullopt;  // no way to try first: let Qt try
    }
    if (child == 0) {
        tryWindowSystem();
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return std::nullopt;
    }
    return display != nullptr ? "the display \"" + std::string(display) + "\" cannot be opened"
                              : std::string("no window system could be opened");
}

}  // namespace rennlupe::desktop
