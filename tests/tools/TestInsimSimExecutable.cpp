#include "support/gameLoopbackAddress.h"
#include "support/runCommand.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(InsimSimExecutable, HelpBadOptionsAndABoundedRun) {
    const std::string address = support::gameLoopbackAddress();
    EXPECT_EQ(runTool("--bind " + address + " --port 29999 --run-for 0.2"),
              std::pair(0, "listening " + address + ":29999\nstopped\n"));
    for (const auto& [options, exitCode, start] :
         std::vector<std::tuple<std::string, int, std::string>>{
             {"--help", 0, "usage: insim-sim"},
             {"--cars 99", 2, "insim-sim: --cars: '99' is not"},
             {"--bind 10.255.255.1 --free-port", 1, "insim-sim: no free UDP port"}}) {
        const auto [code, output] = runTool(options);
        EXPECT_EQ(code, exitCode) << options;
        EXPECT_TRUE(output.starts_with(start)) << output;
    }
    // A port for the program to receive on: a number, then the tool ends.
    const auto [code, port] = runTool("--bind " + address + " --free-port");
    EXPECT_EQ(code, 0);
    EXPECT_GT(std::stoi(port), 0);
    EXPECT_LE(std::stoi(port), 65535);
    EXPECT_EQ(port, std::to_string(std::stoi(port)) + "\n");
}

}  // namespace
}  // namespace rennlupe::tools
