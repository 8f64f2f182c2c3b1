#pragma once

#include <optional>
#include <string>

namespace rennlupe::platform::qt {

// What the command line fills into the main window before it is shown.
struct DesktopOptions {
    std::optional<std::string> host;
    std::optional<std::string> recvPort;
    std::optional<std::string> password;
    bool connect = false;
    int keepAliveMs = 1000;
};

}  // namespace rennlupe::platform::qt
