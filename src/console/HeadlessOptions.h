#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rennlupe::console {

// The headless front end's command line; error holds why it was refused.
struct HeadlessOptions {
    std::optional<std::string> host;
    std::optional<std::string> recvPort;
    std::optional<std::string> password;
    bool headless = false;
    bool connect = false;
    bool help = false;
    int keepAliveMs = 1000;
    std::string error;

    static HeadlessOptions parse(std::span<const std::string_view> args);
    static std::string_view usage();
};

}  // namespace rennlupe::console
