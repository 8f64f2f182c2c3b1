#include "QuitRequests.h"

#include <csignal>

namespace rennlupe::platform {

// The quit requests as POSIX makes them: SIGINT and SIGTERM.
void raiseQuitRequests() {
    std::raise(SIGINT);
    std::raise(SIGTERM);
}

}  // namespace rennlupe::platform
