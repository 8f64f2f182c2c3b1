#include "console/ConsoleOverlayLibrary.h"
#include "console/ConsoleStatusWindow.h"
#include "console/HeadlessOptions.h"

#include "statusbar/ucStatusbar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

namespace rennlupe::console {
namespace {

HeadlessOptions parsed(std::vector<std::string_view> args) {
    return HeadlessOptions::parse(args);
}

TEST(HeadlessOptions, ReadsEveryOptionAndRefusesWhatItDoesNotKnow) {
    const auto all = parsed({"--headless", "--host", "127.0.0.9", "--recv-port", "123456",
                             "--password", "pw", "--connect", "--keepalive-ms", "25"});
    EXPECT_TRUE(all.error.empty()) << all.error;
    EXPECT_EQ(all.host, "127.0.0.9");
    EXPECT_EQ(all.recvPort, "123456");  // kept whole; the connect click refuses it
    EXPECT_EQ(all.password, "pw");
    EXPECT_TRUE(all.headless);
    EXPECT_TRUE(all.connect);
    EXPECT_EQ(all.keepAliveMs, 25);
    EXPECT_TRUE(parsed({"--help"}).help);
    EXPECT_EQ(parsed({}).keepAliveMs, 1000);
    EXPECT_FALSE(parsed({}).headless);
    for (const auto& bad : std::vector<std::vector<std::string_view>>{
             {"--bogus"}, {"--host"}, {"--keepalive-ms", "0"}, {"--keepalive-ms", "1x"}}) {
        EXPECT_FALSE(parsed(bad).error.empty()) << bad.front();
    }
}

TEST(ConsoleStatusWindow, PrintsWhatTheMessageLineShows) {
    std::ostringstream out;
    ConsoleStatusWindow window(out);
    statusbar::ucStatusbar bar(window);
    bar.Initialize(false, true);
    bar.AddPanel(0, 100, 0, statusbar::ucStatusbar::kSpring, "Willkommen!");
    bar.show("Connected to LFS S2 0.7F");
    bar.show("");
    EXPECT_EQ(out.str(), "status: Willkommen!\nstatus: Connected to LFS S2 0.7F\nstatus: \n");
}

TEST(ConsoleOverlayLibrary, PrintsTextAndPictureLines) {
    std::ostringstream out;
    ConsoleOverlayLibrary library(out);
    library.GPML_SetTextMultilineData(10, 20, "V - 00:01:234\rH - 00:00:500",
                                      static_cast<std::int32_t>(0xFFFF0000U), 0, 12, -1, 0, 0, 1);
    library.GPML_ShowText(1);
    library.GPPIC_LoadNewPicture("/opt/r/schalten.jpg");
    library.GPPIC_ShowPicturePos(1, 5, 6);
    library.GPPIC_ShowPicturePos(0, 5, 6);
    EXPECT_EQ(out.str(),
              "overlay text: x=10 y=20 colour=0xFFFF0000 size=12 text=V - 00:01:234\\rH - "
              "00:00:500\n"
              "overlay picture: show x=5 y=6 file=/opt/r/schalten.jpg\n"
              "overlay picture: hide x=5 y=6 file=/opt/r/schalten.jpg\n");
}

}  // namespace
}  // namespace rennlupe::console
