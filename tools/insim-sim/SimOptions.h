#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rennlupe::tools {

// What the stand-in game was told on its command line; times in seconds.
struct SimOptions {
    enum class Protocol { Modern, Legacy };

    Protocol protocol = Protocol::Modern;
    std::string bind = "127.0.0.1";
    std::uint16_t port = 29999;
    int cars = 8;
    int rate = 10;
    int laps = 5;
    std::optional<double> silentAfter{};
    std::optional<double> restartEvery{};
    double drop = 0.0;
    std::string password{};
    std::uint32_t seed = 1;
    std::optional<double> runFor{};
    int insimVersion = 10;
    std::optional<double> pitEvery{};
    std::optional<double> leaveEvery{};
    std::optional<double> viewEvery{};
    std::optional<double> shiftBEvery{};
    // What the user does in the game, in seconds after the link came up.
    struct Typed {
        double at = 0;
        std::string text;
    };
    struct Click {
        double at = 0;
        std::uint8_t clickId = 0;
    };
    std::vector<Typed> typed{};
    std::vector<Click> clicks{};
    bool truth = false;
    bool screen = false;  // a window that stands in for the game's picture
    int screenWidth = 960;
    int screenHeight = 540;
    double keepAliveEvery = 30.0;  // not an option: tests shorten it
    bool freePort = false;         // only print a port for the program to receive on
    bool help = false;
};

}  // namespace rennlupe::tools
