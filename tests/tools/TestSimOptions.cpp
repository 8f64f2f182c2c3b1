#include "insim-sim/parseSimOptions.h"
#include "support/gameLoopbackAddress.h"
#include "support/runCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::tools {
namespace {

// The built tool's exit code and its standard output and error read to the
// end; every run here stops by itself.
std::pair<int, std::string> runTool(const std::string& options) {
    std::string output;
    const int code =
        support::runCommand(std::string(INSIM_SIM_PATH) + " " + options + " 2>&1", output);
    return {code, output};
}

TEST(SimOptions, EveryOptionReachesItsField) {
    std::string error;
    const std::vector<std::string_view> arguments = {
        "--bind",          "127.1.2.3", "--port",        "30000", "--cars",          "24",
        "--rate",          "50",        "--laps",        "3",     "--silent-after",  "2.5",
        "--restart-every", "9",         "--drop",        "0.25",  "--password",      "pw",
        "--seed",          "42",        "--run-for",     "1",     "--protocol",      "legacy",
        "--pit-every",     "4",         "--leave-every", "5",     "--insim-version", "9",
        "--view-every",    "6",         "--truth",       "--help"};
    const auto all = parseSimOptions(arguments, error);
    ASSERT_TRUE(all) << error;
    EXPECT_EQ(
        std::tie(all->bind, all->port, all->cars, all->rate, all->laps, all->silentAfter,
                 all->restartEvery, all->drop, all->password, all->seed, all->runFor, all->help),
        std::make_tuple("127.1.2.3", 30000, 24, 50, 3, 2.5, 9.0, 0.25, "pw", 42U, 1.0, true));
    EXPECT_EQ(std::tie(all->protocol, all->pitEvery, all->leaveEvery, all->insimVersion,
                       all->viewEvery, all->truth),
              std::make_tuple(SimOptions::Protocol::Legacy, 4.0, 5.0, 9, 6.0, true));
    const auto modern = parseSimOptions(std::vector<std::string_view>{"--cars", "48"}, error);
    ASSERT_TRUE(modern) << error;
    EXPECT_EQ(std::tie(modern->protocol, modern->cars, modern->insimVersion, modern->truth),
              std::make_tuple(SimOptions::Protocol::Modern, 48, 10, false));
    const auto screen =
        parseSimOptions(std::vector<std::string_view>{"--screen", "--screen-size", "1280x720",
                                                      "--shift-b-every", "2", "--type", "1.5:!rl",
                                                      "--click", "2:206", "--click", "3:0"},
                        error);
    ASSERT_TRUE(screen) << error;
    EXPECT_EQ(
        std::tie(screen->screen, screen->screenWidth, screen->screenHeight, screen->shiftBEvery),
        std::make_tuple(true, 1280, 720, 2.0));
    ASSERT_EQ(screen->typed.size() + screen->clicks.size(), 3U);
    EXPECT_EQ(std::tie(screen->typed[0].at, screen->typed[0].text, screen->clicks[1].clickId),
              std::make_tuple(1.5, "!rl", 0));
}

// Bad options end the tool with 2 and say why; a bounded run ends with 0.
TEST(SimOptions, TheToolAnswersHelpBadOptionsAndABoundedRun) {
    const std::string address = support::gameLoopbackAddress();
    EXPECT_EQ(runTool("--bind " + address + " --port 29999 --run-for 0.2"),
              std::pair(0, "listening " + address + ":29999\nstopped\n"));
    for (const auto& [options, exitCode, start] :
         std::vector<std::tuple<std::string, int, std::string>>{
             {"--help", 0, "usage: insim-sim"},
             {"--cars 0", 2, "--cars: '0' is not a number of cars from 1 to 48"},
             {"--protocol legacy --cars 25", 2, "--cars: the legacy game has at most 24 cars"},
             {"--protocol old", 2, "--protocol: 'old' is not modern or legacy"},
             {"--insim-version 8", 2, "--insim-version: '8' is not 9 or 10"},
             {"--drop 1.5", 2, "--drop: '1.5' is not a fraction from 0 to 1"},
             {"--bind localhost", 2, "--bind: 'localhost' is not an IPv4 address"},
             {"--password 'seventeen chars..'", 2, "--password"},
             {"--port", 2, "--port needs a value"},
             {"--fast 1", 2, "unknown option --fast"},
             {"--screen-size 960", 2, "--screen-size: '960' is not a size WxH"},
             {"--screen-size 199x540", 2, "--screen-size: '199x540' is not a size WxH"},
             {"--protocol legacy --click 1:200", 2, "--screen, --shift-b-every, --type and"},
             {"--click 1:240", 2, "--click: '1:240' is not S:ID, seconds above 0 and a ClickID"},
             {"--type 2", 2, "--type: '2' is not S:TEXT"},
             {"extra", 2, "unknown option extra"},
             {"--bind 10.255.255.1 --free-port", 1, "no free UDP port"}}) {
        const auto [code, output] = runTool(options);
        EXPECT_EQ(code, exitCode) << options;
        EXPECT_TRUE(output.starts_with(exitCode == 0 ? start : "insim-sim: " + start)) << output;
    }
}

}  // namespace
}  // namespace rennlupe::tools
