#include "settings/SettingsTest.h"

#include <gtest/gtest.h>

namespace rennlupe::settings {
namespace {

TEST_F(SettingsTest, RoundTripKeepsTheKeyBytesAndCutsLongValues) {
    EXPECT_EQ(read("Farbe"), "0");  // no file yet
    settings.WriteSetting(kSection, "Gr\366\337e", "620", file);
    EXPECT_EQ(TemporaryFolder::read(file), "[Positionen]\r\nGr\366\337e=620\r\n");
    EXPECT_EQ(read("Gr\366\337e", "POSITIONEN"), "620");
    EXPECT_EQ(read("Farbe"), "0");                   // no key
    EXPECT_EQ(read("Gr\366\337e", "Schrift"), "0");  // no section

    settings.WriteSetting(kSection, "Farbe", std::string(300, '7'), file);
    EXPECT_EQ(read("Farbe"), std::string(254, '7'));
    EXPECT_EQ(settings.ReadSetting(kSection, "Grafik X", std::string(300, '1'), file).size(), 254U);

    // What would break the file's lines is refused, and nothing is written.
    const std::string before = TemporaryFolder::read(file);
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "1\r\nX position=999", file), 5);
    EXPECT_EQ(errorNumberOf(settings, "a=b", "1", file), 5);
    EXPECT_EQ(TemporaryFolder::read(file), before);

    // A key deleted by hand reads as the default again.
    TemporaryFolder::write(file, "[Positionen]\r\nY position=20\r\n");
    EXPECT_EQ(read("Farbe"), "0");
    EXPECT_EQ(read("Y position"), "20");
}

TEST_F(SettingsTest, IniFileNameSitsBesideTheExecutable) {
    const auto nameFor = &modEinstellungenSpeichern::iniFileNameFor;
    EXPECT_EQ(nameFor("/opt/rl/rennlupe", '/'), "/opt/rl/rennlupe.ini");
    EXPECT_EQ(nameFor("/rennlupe", '/'), "/rennlupe.ini");
    EXPECT_EQ(nameFor("C:\\Rennlupe.exe", '\\'), "C:\\Rennlupe.ini");
    EXPECT_EQ(nameFor("D:\\Spiele\\rl.v2.exe", '\\'), "D:\\Spiele\\rl.v2.ini");
    const fs::path own = settings.IniFileName();
    EXPECT_TRUE(own.is_absolute());
    EXPECT_EQ(own.filename(), "rennlupe_settings_tests.ini");
    EXPECT_TRUE(fs::is_directory(own.parent_path()));
}

TEST_F(SettingsTest, AFailureAtAnyStepLeavesTheOldFile) {
    for (const Step step : {Step::CreateTemporary, Step::Overwrite, Step::Flush,
                            Step::CopyPermissions, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        TemporaryFolder::write(file, kOld);
        FailingFiles failing(step);
        modEinstellungenSpeichern failingSettings(failing);
        EXPECT_EQ(errorNumberOf(failingSettings, "Farbe", "1", file), 5);
        EXPECT_TRUE(failing.failed());
        EXPECT_EQ(TemporaryFolder::read(file), kOld);
        EXPECT_EQ(entriesIn(folder.path()), 1);
    }
}

}  // namespace
}  // namespace rennlupe::settings
