#include "console/ConsoleOverlayLibrary.h"
#include "console/HeadlessOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::console {
namespace {

TEST(HeadlessOptions, ReadsEveryOptionAndRefusesWhatItDoesNotKnow) {
    const auto all = HeadlessOptions::parse(std::vector<std::string_view>{
        "--headless", "--host", "127.0.0.9", "--recv-port", "123456", "--password", "pw",
        "--connect", "--keepalive-ms", "25", "--game-port", "30000", "--protocol", "modern",
        "--stamp", "--trend", "off"});
    EXPECT_EQ(std::tie(all.error, all.host, all.recvPort, all.password, all.headless, all.connect,
                       all.keepAliveMs, all.gamePort, all.protocol, all.stamp, all.trend),
              std::make_tuple("", "127.0.0.9", "123456", "pw", true, true, 25, "30000", "modern",
                              true, "off"));
    EXPECT_TRUE(HeadlessOptions::parse(std::vector<std::string_view>{"--help"}).help);
    for (const auto& bad : std::vector<std::vector<std::string_view>>{{"--bogus"},
                                                                      {"--host"},
                                                                      {"--keepalive-ms", "0"},
                                                                      {"--protocol", "binary"},
                                                                      {"--trend", "an"}}) {
        EXPECT_FALSE(HeadlessOptions::parse(bad).error.empty()) << bad.front();
    }
}

TEST(ConsoleOverlayLibrary, PrintsTextAndPictureLinesOnlyWhenWhatTheyShowChanges) {
    std::ostringstream out;
    ConsoleOverlayLibrary library(out);
    library.GPPIC_LoadNewPicture("/opt/r/schalten.jpg");
    library.GPPIC_ShowPicturePos(0, 5, 6);  // nothing showed before
    for (const char* text :
         {"V - 00:01:234\rH - 00:00:500", "V - 00:01:234\rH - 00:00:500", "^2V"}) {
        library.GPML_SetTextMultilineData(10, 20, text, static_cast<std::int32_t>(0xFFFF0000U), 0,
                                          12, -1, 0, 0, 1);
        library.GPML_ShowText(1);
    }
    library.GPML_ShowText(0);
    library.GPML_ShowText(1);  // shown again after it was hidden
    library.GPPIC_ShowPicturePos(1, 5, 6);
    library.GPPIC_ShowPicturePos(1, 5, 6);
    library.GPPIC_ShowPicturePos(1, 7, 6);
    library.GPPIC_ShowPicturePos(0, 5, 6);
    library.GPPIC_ShowPicturePos(0, 9, 6);  // a hidden picture stays hidden wherever it is put
    EXPECT_EQ(out.str(),
              "overlay text: x=10 y=20 colour=0xFFFF0000 size=12 text=V - 00:01:234\\rH - "
              "00:00:500\n"
              "overlay text: x=10 y=20 colour=0xFFFF0000 size=12 text=^2V\n"
              "overlay text: x=10 y=20 colour=0xFFFF0000 size=12 text=^2V\n"
              "overlay picture: show x=5 y=6 file=/opt/r/schalten.jpg\n"
              "overlay picture: show x=7 y=6 file=/opt/r/schalten.jpg\n"
              "overlay picture: hide x=5 y=6 file=/opt/r/schalten.jpg\n");
}

}  // namespace
}  // namespace rennlupe::console
