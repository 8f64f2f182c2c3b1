#include "ui/SliderSettings.h"

#include "platform/files/PosixFiles.h"
#include "support/FailingFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace rennlupe::ui {
namespace {

using support::MainWindowSliders;
using support::TemporaryFolder;

TEST(SliderSettings, WritesTheSixKeysInOrderAndReadsThemBack) {
    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    platform::PosixFiles files;
    settings::modEinstellungenSpeichern settings(files);
    support::RecordingMessageLine line;
    std::ostringstream errors;

    MainWindowSliders first;
    SliderSettings(settings, first.all(), file).load(line);  // no file: all 0, no message
    EXPECT_EQ(first.values(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    first.Slider1.setValue(620);
    first.Slider3.setValue(65000);
    first.Slider4.setValue(12);
    first.Slider6.setValue(1);
    EXPECT_TRUE(SliderSettings(settings, first.all(), file).save(line, errors));
    EXPECT_EQ(TemporaryFolder::read(file),
              "[Positionen]\r\nX position=620\r\nY position=0\r\nFarbe=65000\r\n"
              "Gr\xF6\xDF"
              "e=12\r\nGrafik X=0\r\nGrafik Y=1\r\n");

    MainWindowSliders second;
    SliderSettings(settings, second.all(), file).load(line);
    EXPECT_EQ(second.values(), first.values());
    EXPECT_TRUE(line.messages().empty());
    EXPECT_TRUE(errors.str().empty());
}

TEST(SliderSettings, BadStoredValuesAreClampedAndReportedOnce) {
    EXPECT_EQ(SliderSettings::wholeNumber(" -12\t"), -12);
    EXPECT_EQ(SliderSettings::wholeNumber("+7"), 7);
    EXPECT_EQ(SliderSettings::wholeNumber("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(SliderSettings::wholeNumber("-99999999999999999999999"), INT64_MIN);
    for (const char* bad : {"", " ", "-", "1.5", "1e3", "12a", "0x10", "1 2"}) {
        EXPECT_EQ(SliderSettings::wholeNumber(bad), std::nullopt) << bad;
    }

    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    TemporaryFolder::write(file,
                           "[Positionen]\nX position= +1500 \nY position=-3\nFarbe=abc\n"
                           "Gr\xF6\xDF"
                           "e=99999999999999999999999\nGrafik X=12.5\n");
    platform::PosixFiles files;
    settings::modEinstellungenSpeichern settings(files);
    support::RecordingMessageLine line;
    MainWindowSliders sliders;
    sliders.Slider6.setValue(40);
    SliderSettings(settings, sliders.all(), file).load(line);
    EXPECT_EQ(sliders.values(), (std::vector<int>{1000, 0, 0, 100, 0, 0}));
    EXPECT_EQ(line.messages(),
              std::vector<std::string>{"Settings: invalid values corrected (X position, "
                                       "Y position, Farbe, Größe, Grafik X)"});
}

TEST(SliderSettings, AFailedWriteStillTriesEveryKeyAndReportsOnce) {
    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    support::FailingFiles files(support::FailingFiles::Step::Rename);
    settings::modEinstellungenSpeichern settings(files);
    support::RecordingMessageLine line;
    std::ostringstream errors;
    MainWindowSliders sliders;
    sliders.Slider1.setValue(5);
    sliders.Slider6.setValue(6);

    EXPECT_FALSE(SliderSettings(settings, sliders.all(), file).save(line, errors));
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
