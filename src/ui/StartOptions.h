#pragma once

#include <optional>
#include <string>

namespace rennlupe::ui {

// What the command line fills into the main window as it loads, for either front end.
struct StartOptions {
    std::optional<std::string> host;
    std::optional<std::string> recvPort;  // whole: the Connect click checks it
    std::optional<std::string> password;
    bool connect = false;  // the front end clicks Connect once it is ready
    int keepAliveMs = 1000;
};

}  // namespace rennlupe::ui
