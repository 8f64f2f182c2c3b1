#include "support/gameLoopbackAddress.h"
#include "support/runCommand.h"

#include <gtest/gtest.h>

#include <string>

namespace rennlupe::tools {
namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

// The built tool with these options, its standard output and error read to
// the end; every run here stops by itself.
ToolRun runTool(const std::string& options) {
    ToolRun run;
    run.exitCode =
        support::runCommand(std::string(INSIM_SIM_PATH) + " " + options + " 2>&1", run.output);
    return run;
}

TEST(InsimSimExecutable, HelpBadOptionsAndABoundedRun) {
    const ToolRun help = runTool("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.starts_with("usage: insim-sim")) << help.output;

    const ToolRun bad = runTool("--cars 99");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.output.starts_with("insim-sim: --cars: '99' is not")) << bad.output;

    const std::string address = support::gameLoopbackAddress();
    const ToolRun bounded = runTool("--bind " + address + " --port 29999 --run-for 0.2");
    EXPECT_EQ(bounded.exitCode, 0);
    EXPECT_EQ(bounded.output, "listening " + address + ":29999\nstopped\n");

    // A port for the program to receive on: a number, then the tool ends.
    const ToolRun free = runTool("--bind " + address + " --free-port");
    EXPECT_EQ(free.exitCode, 0);
    const int port = std::stoi(free.output);
    EXPECT_GT(port, 0);
    EXPECT_LE(port, 65535);
    EXPECT_EQ(free.output, std::to_string(port) + "\n");
    EXPECT_EQ(runTool("--bind 10.255.255.1 --free-port").exitCode, 1);
}

}  // namespace
}  // namespace rennlupe::tools
