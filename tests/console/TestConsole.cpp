#include "console/ConsoleOverlayLibrary.h"
#include "console/ConsoleStatusWindow.h"
#include "console/HeadlessOptions.h"

#include "statusbar/ucStatusbar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <tuple>
#include <vector>

namespace rennlupe::console {
namespace {

TEST(HeadlessOptions, ReadsEveryOptionAndRefusesWhatItDoesNotKnow) {
    const auto all = HeadlessOptions::parse(
        std::vector<std::string_view>{"--headless", "--host", "127.0.0.9", "--recv-port", "123456",
                                      "--password", "pw", "--connect", "--keepalive-ms", "25"});
    EXPECT_EQ(std::tie(all.error, all.host, all.recvPort, all.password, all.headless, all.connect,
                       all.keepAliveMs),
              std::make_tuple("", "127.0.0.9", "123456", "pw", true, true, 25));
    EXPECT_TRUE(HeadlessOptions::parse(std::vector<std::string_view>{"--help"}).help);
    for (const auto& bad : std::vector<std::vector<std::string_view>>{
             {"--bogus"}, {"--host"}, {"--keepalive-ms", "0"}}) {
        EXPECT_FALSE(HeadlessOptions::parse(bad).error.empty()) << bad.front();
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
