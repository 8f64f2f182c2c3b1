#include "ui/sliderDefaults.h"
#include "ui/SliderSettings.h"

#include "support/FailingFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::ui {
namespace {

using support::TemporaryFolder;

struct SliderSettingsFile : ::testing::Test {
    std::vector<int> load(support::MainWindowSliders& into) {
        SliderSettings(settings, into.all(), file).load(line, sliderDefaults(0, 0));
        return into.values();
    }

    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    support::FailingFiles files;
    settings::modEinstellungenSpeichern settings{files};
    support::MainWindowSliders sliders;
    support::RecordingMessageLine line;
    std::ostringstream errors;
};

TEST_F(SliderSettingsFile, WritesTheSixKeysInOrderAndReadsThemBack) {
    // No file: readable text near the upper middle of a 1920 x 1080 screen, and no message.
    EXPECT_EQ(load(sliders), (std::vector<int>{883, 135, 65000, 22, 765, 109}));
    for (const auto& [width, height, expected] :
         std::vector<std::tuple<int, int, std::array<int, 6>>>{
             {1024, 768, {460, 96, 65000, 15, 349, 63}},
             {3840, 2160, {1000, 270, 65000, 43, 861, 265}}}) {
        EXPECT_EQ(sliderDefaults(width, height), expected) << width;
    }
    sliders.Slider1.setValue(620);
    sliders.Slider3.setValue(300);
    sliders.Slider4.setValue(12);
    sliders.Slider6.setValue(1);
    EXPECT_TRUE(SliderSettings(settings, sliders.all(), file).save(line, errors));
    EXPECT_EQ(TemporaryFolder::read(file),
              "[Positionen]\r\nX position=620\r\nY position=135\r\nFarbe=300\r\n"
              "Gr\xF6\xDF"
              "e=12\r\nGrafik X=765\r\nGrafik Y=1\r\n");
    support::MainWindowSliders second;
    EXPECT_EQ(load(second), sliders.values());
    EXPECT_TRUE(line.messages().empty());
    EXPECT_TRUE(errors.str().empty());
}

TEST_F(SliderSettingsFile, BadStoredValuesAreClampedAndReportedOnce) {
    EXPECT_EQ(SliderSettings::wholeNumber(" -12\t"), -12);
    EXPECT_EQ(SliderSettings::wholeNumber("+7"), 7);
    EXPECT_EQ(SliderSettings::wholeNumber("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(SliderSettings::wholeNumber("-99999999999999999999999"), INT64_MIN);
    for (const char* bad : {"", " ", "-", "1.5", "1e3", "12a", "0x10", "1 2"}) {
        EXPECT_EQ(SliderSettings::wholeNumber(bad), std::nullopt) << bad;
    }

    TemporaryFolder::write(file,
                           "[Positionen]\nX position= +1500 \nY position=-3\nFarbe=abc\n"
                           "Gr\xF6\xDF"
                           "e=99999999999999999999999\nGrafik X=12.5\n");
    sliders.Slider6.setValue(40);  // a missing key or no number: the default
    EXPECT_EQ(load(sliders), (std::vector<int>{1000, 0, 65000, 100, 765, 109}));
    EXPECT_EQ(line.messages(),
              std::vector<std::string>{"Settings: invalid values corrected (X position, "
                                       "Y position, Farbe, Größe, Grafik X)"});
}

TEST_F(SliderSettingsFile, AFailedWriteStillTriesEveryKeyAndReportsOnce) {
    sliders.Slider1.setValue(5);
    sliders.Slider6.setValue(6);
    support::FailingFiles failing(support::FailingFiles::Step::Rename);
    settings::modEinstellungenSpeichern failingSettings(failing);
    EXPECT_FALSE(SliderSettings(failingSettings, sliders.all(), file).save(line, errors));
    const std::string report = "-ERROR- frmMain_Unload() - 5: Invalid procedure call or argument";
    EXPECT_EQ(line.messages(), std::vector<std::string>{report});
    EXPECT_EQ(errors.str(), report + "\n");
    // Only the first write failed; the five after it were stored.
    EXPECT_EQ(TemporaryFolder::read(file),
              "[Positionen]\r\nY position=0\r\nFarbe=0\r\nGr\xF6\xDF"
              "e=0\r\nGrafik X=0\r\nGrafik Y=6\r\n");
}

}  // namespace
}  // namespace rennlupe::ui
