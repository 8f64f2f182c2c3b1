#include "bits/InvalidArgument.h"
#include "platform/files/PosixFiles.h"
#include "settings/modEinstellungenSpeichern.h"
#include "settingsTestSupport.h"
#include "support/FailingFiles.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace rennlupe::settings {
namespace {

namespace fs = std::filesystem;
using support::FailingFiles;
using support::TemporaryFolder;

const std::string kGroesse =
    "Gr\xF6\xDF"
    "e";  // as Windows-1252 bytes

TEST(Settings, RoundTripKeepsTheKeyBytesAndCutsLongValues) {
    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    platform::PosixFiles files;
    modEinstellungenSpeichern settings(files);

    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "0");  // no file yet
    settings.WriteSetting(kSection, kGroesse, "620", file);
    EXPECT_EQ(TemporaryFolder::read(file),
              "[Positionen]\r\nGr\xF6\xDF"
              "e=620\r\n");
    EXPECT_EQ(settings.ReadSetting("POSITIONEN", kGroesse, "0", file), "620");
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "0");    // no key
    EXPECT_EQ(settings.ReadSetting("Schrift", kGroesse, "0", file), "0");  // no section

    settings.WriteSetting(kSection, "Farbe", std::string(300, '7'), file);
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), std::string(254, '7'));
    EXPECT_EQ(settings.ReadSetting(kSection, "Grafik X", std::string(300, '1'), file).size(), 254U);

    // What would break the file's lines is refused, and nothing is written.
    const std::string before = TemporaryFolder::read(file);
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "1\r\nX position=999", file), 5);
    EXPECT_THROW(settings.WriteSetting(kSection, "a=b", "1", file), bits::InvalidArgument);
    EXPECT_EQ(TemporaryFolder::read(file), before);
}

TEST(Settings, IniFileNameSitsBesideTheExecutable) {
    EXPECT_EQ(modEinstellungenSpeichern::iniFileNameFor("/opt/rl/rennlupe", '/'),
              "/opt/rl/rennlupe.ini");
    EXPECT_EQ(modEinstellungenSpeichern::iniFileNameFor("/rennlupe", '/'), "/rennlupe.ini");
    EXPECT_EQ(modEinstellungenSpeichern::iniFileNameFor("C:\\Rennlupe.exe", '\\'),
              "C:\\Rennlupe.ini");
    EXPECT_EQ(modEinstellungenSpeichern::iniFileNameFor("D:\\Spiele\\rl.v2.exe", '\\'),
              "D:\\Spiele\\rl.v2.ini");

    platform::PosixFiles files;
    modEinstellungenSpeichern settings(files);
    const fs::path expected = fs::canonical("/proc/self/exe").replace_extension(".ini");
    EXPECT_EQ(settings.IniFileName(), expected.string());
}

TEST(Settings, ADeletedKeyReadsAsTheDefault) {
    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    TemporaryFolder::write(file, "[Positionen]\r\nX position=10\r\nY position=20\r\nFarbe=300\r\n");
    platform::PosixFiles files;
    modEinstellungenSpeichern settings(files);
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "300");
    TemporaryFolder::write(file, "[Positionen]\r\nX position=10\r\nY position=20\r\n");
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "0");
    EXPECT_EQ(settings.ReadSetting(kSection, "Y position", "0", file), "20");
}

TEST(Settings, AFailureAtAnyStepLeavesTheOldFile) {
    const std::string old = "; mine\n[Positionen]\nFarbe=300\n";
    for (const auto step : {FailingFiles::Step::CreateTemporary, FailingFiles::Step::Overwrite,
                            FailingFiles::Step::Flush, FailingFiles::Step::CopyPermissions,
                            FailingFiles::Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        TemporaryFolder folder;
        const std::string file = folder.file("rennlupe.ini");
        TemporaryFolder::write(file, old);
        FailingFiles files(step);
        modEinstellungenSpeichern settings(files);
        EXPECT_EQ(errorNumberOf(settings, "Farbe", "1", file), 5);
        EXPECT_TRUE(files.failed());
        EXPECT_EQ(TemporaryFolder::read(file), old);
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"rennlupe.ini"});
    }
}

TEST(Settings, ASaveKeepsPermissionsAndSymbolicLinks) {
    TemporaryFolder folder;
    fs::create_directory(folder.path() / "real");
    const fs::path target = folder.path() / "real" / "rennlupe.ini";
    TemporaryFolder::write(target, "[Positionen]\nFarbe=1\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = folder.path() / "rennlupe.ini";
    fs::create_symlink(fs::path("real") / "rennlupe.ini", link);

    platform::PosixFiles files;
    modEinstellungenSpeichern settings(files);
    settings.WriteSetting(kSection, "Farbe", "300", link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TemporaryFolder::read(target), "[Positionen]\nFarbe=300\r\n");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(namesIn(folder.path() / "real"), std::vector<std::string>{"rennlupe.ini"});

    // A file without write permission is not replaced, not even by the superuser.
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "1", link.string()), 5);
    EXPECT_EQ(TemporaryFolder::read(target), "[Positionen]\nFarbe=300\r\n");
}

TEST(Settings, GarbageAndHugeFilesReadWithoutHarm) {
    TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    platform::PosixFiles files;
    modEinstellungenSpeichern settings(files);

    std::mt19937 random(6);
    std::string garbage(1 << 16, '\0');
    for (char& byte : garbage) {
        byte = static_cast<char>(random());
    }
    TemporaryFolder::write(file, garbage);
    EXPECT_LE(settings.ReadSetting(kSection, "Farbe", "0", file).size(), 254U);
    settings.WriteSetting(kSection, "Farbe", "42", file);
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "42");

    std::string huge = "[Positionen]\r\nX position=" + std::string(10'000'000, '9') + "\r\n";
    huge += std::string_view(
        "Farbe=\0"
        "5\r\n",
        10);
    TemporaryFolder::write(file, huge);
    EXPECT_EQ(settings.ReadSetting(kSection, "X position", "0", file), std::string(254, '9'));
    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0", file), "");  // cut at the zero
}

}  // namespace
}  // namespace rennlupe::settings
