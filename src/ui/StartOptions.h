#pragma once

#include <optional>
#include <string>

namespace rennlupe::ui {

// What the command line fills into the main window as it loads, for either front end.
struct StartOptions {
    std::optional<std::string> host;
    std::optional<std::string> recvPort;  // whole: the Connect click checks it
    std::optional<std::string> password;
    bool connect = false;  // frmMain::connectAsAsked, once the front end is ready
    int keepAliveMs = 1000;
    std::optional<std::string> gamePort;    // whole, as the receive port
    std::optional<std::string> protocol;    // "auto", "legacy" or "modern", checked when parsed
    std::optional<std::string> draw;        // "auto", "game", "screen" or "both", checked
    std::optional<int> buttonBase;          // the game buttons' first ClickID, 0 to 237
    std::optional<std::string> gameScreen;  // "1920x1080", checked
    std::optional<std::string> trend;       // "auto", "on" or "off", checked when parsed
};

}  // namespace rennlupe::ui
