#include "support/runCommand.h"
#include "support/TemporaryFolder.h"
#include "ui/frmMain.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rennlupe::console {
namespace {

TEST(HeadlessProgram, SaysWhyThePortRuleKeepsConnectFromBeingClicked) {
    for (const auto& [port, reason] : std::vector<std::pair<std::string, std::string>>{
             {"''", "the receive port is empty"},
             {"29999", "the receive port \"29999\" is the same as the send port"}}) {
        const support::TemporaryFolder folder;
        const std::string out = folder.file("out.txt");
        // Killed once it has spoken, so it saves no settings; 137 says it was still running.
        std::string ignored;
        EXPECT_EQ(
            support::runCommand(RENNLUPE_PATH " --headless --connect --recv-port " + port + " >" +
                                    out + " & for i in $(seq 200); do grep -q Cannot " + out +
                                    " && break; sleep 0.05; done; kill -9 $!; wait $!",
                                ignored),
            137);
        EXPECT_EQ(support::TemporaryFolder::read(out),
                  "status: " + std::string(ui::frmMain::kWelcome) +
                      "\nlink: Not connected\nlink tip: 0 datagrams from other senders "
                      "dropped\nstatus: Cannot connect: " +
                      reason + ".\n");
    }
}

}  // namespace
}  // namespace rennlupe::console
