#include "insim-sim/freeUdpPort.h"
#include "insim-sim/ModernStandInGame.h"
#include "insim-sim/parseSimOptions.h"
#include "insim-sim/StandInGame.h"
#include "platform/eventloop/PollLoop.h"
#ifdef RENNLUPE_SIM_SCREEN
#include "insim-sim/screen/runScreen.h"
#endif

#include <chrono>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace rennlupe;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    std::string error;
    const auto options = tools::parseSimOptions(arguments, error);
    if (!options) {
        std::cerr << "insim-sim: " << error << "\n" << tools::simUsage();
        return 2;
    }
    if (options->help) {
        std::cout << tools::simUsage();
        return 0;
    }
    if (platform::startup() != 0) {
        std::cerr << "insim-sim: the network library could not start\n";
        return 1;
    }
    if (options->freePort) {
        const auto port = tools::freeUdpPort(options->bind);
        if (!port) {
            std::cerr << "insim-sim: no free UDP port on " << options->bind << "\n";
            return 1;
        }
        std::cout << *port << std::endl;
        return 0;
    }
    if (options->screen) {
#ifdef RENNLUPE_SIM_SCREEN
        return tools::runScreen(*options, std::cout, std::cerr);
#else
        std::cerr << "insim-sim: --screen needs a build with RENNLUPE_GUI ON; this one has no Qt\n";
        return 2;
#endif
    }
    platform::PollLoop loop;
    std::optional<tools::StandInGame> legacy;
    std::optional<tools::ModernStandInGame> modern;
    const bool open = options->protocol == tools::SimOptions::Protocol::Legacy
                          ? legacy.emplace(loop, *options, std::cout).open()
                          : modern.emplace(loop, *options, std::cout).open();
    if (!open) {
        return 1;
    }
    loop.onSignals([&loop](int) { loop.quit(); });
    if (options->runFor) {
        const auto limit = std::chrono::milliseconds(std::llround(*options->runFor * 1000.0));
        loop.startTimer(limit, [&loop] { loop.quit(); });
    }
    loop.run();
    std::cout << "stopped" << std::endl;
    return 0;
}
