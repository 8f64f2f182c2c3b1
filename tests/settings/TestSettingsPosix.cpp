#include "settings/SettingsTest.h"
#include "support/runAsNobody.h"

#include <gtest/gtest.h>

namespace rennlupe::settings {
namespace {

TEST_F(SettingsTest, ASaveKeepsPermissionsAndSymbolicLinks) {
    fs::create_directory(folder.path() / "real");
    const fs::path target = folder.path() / "real" / "rennlupe.ini";
    TemporaryFolder::write(target, "[Positionen]\nFarbe=1\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);
    fs::create_symlink(fs::path("real") / "rennlupe.ini", file);

    settings.WriteSetting(kSection, "Farbe", "300", file);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(TemporaryFolder::read(target), "[Positionen]\nFarbe=300\r\n");
    EXPECT_EQ(fs::status(target).permissions(), mode);
    EXPECT_EQ(entriesIn(folder.path() / "real"), 1);

    // A file without write permission is not replaced, not even by the superuser.
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "1", file), 5);
    EXPECT_EQ(TemporaryFolder::read(target), "[Positionen]\nFarbe=300\r\n");
}

// A program folder holding the settings file a portable copy left beside the
// executable, and a folder beside it that everyone may write.
class SettingsLocation : public ::testing::Test {
protected:
    SettingsLocation() {
        fs::permissions(root.path(), fs::perms::all);
        fs::create_directory(program);
        fs::create_directory(open);
        fs::permissions(open, fs::perms::all);
        TemporaryFolder::write(beside, kOld);
        fs::permissions(beside, fs::perms::all);  // only the folder may keep the user out
    }
    // The files as the installed program sees them; no config: the environment's.
    FailingFiles files(const std::optional<fs::path>& config = {}, Step failAt = Step::None) const {
        FailingFiles placed(failAt);
        placed.placeExecutable((program / "rennlupe").string());
        if (config) {
            placed.placeConfigurationFolder(config->string());
        }
        return placed;
    }
    // The error number of the installed program's write of Farbe=620, 0 when stored.
    int write(const std::optional<fs::path>& config = {}, Step failAt = Step::None,
              const fs::path& file = {}) const {
        FailingFiles placed = files(config, failAt);
        modEinstellungenSpeichern settings(placed);
        return errorNumberOf(settings, "Farbe", "620", file.string());
    }

    TemporaryFolder root;
    fs::path program = root.path() / "program";
    fs::path open = root.path() / "open";
    fs::path beside = program / "rennlupe.ini";
};

TEST_F(SettingsLocation, AWritableProgramFolderKeepsTheFileBesideTheExecutable) {
    EXPECT_EQ(write(open / "config"), 0);
    EXPECT_EQ(TemporaryFolder::read(beside), "; mine\r\n[Positionen]\r\nFarbe=620\r\n");
    fs::remove(beside);
    EXPECT_EQ(write(open / "config"), 0);
    EXPECT_EQ(TemporaryFolder::read(beside), "[Positionen]\r\nFarbe=620\r\n");
    EXPECT_EQ(entriesIn(open), 0);
}

TEST_F(SettingsLocation, AReadOnlyFolderWritesAWritableFileInPlace) {
    fs::permissions(program, kReadOnlyFolder);
    // Root writes in a read-only folder, so the writes run as nobody. Failing
    // halfway, the write puts the old bytes back.
    EXPECT_EQ(support::runAsNobody([&] { return write({}, Step::Overwrite, beside); }), 5);
    EXPECT_EQ(TemporaryFolder::read(beside), kOld);
    EXPECT_EQ(support::runAsNobody([&] { return write({}, Step::None, beside); }), 0);
    EXPECT_EQ(TemporaryFolder::read(beside), "; mine\r\n[Positionen]\r\nFarbe=620\r\n");
    // Nothing to write in place.
    EXPECT_EQ(support::runAsNobody([&] { return write({}, Step::None, program / "new"); }), 5);
    EXPECT_EQ(entriesIn(program), 1);
}

TEST_F(SettingsLocation, AReadOnlyProgramFolderMovesTheSavesToTheConfigurationFolder) {
    fs::permissions(program, kReadOnlyFolder);
    const fs::path configHome = open / "config" / "home";  // neither exists yet
    const fs::path moved = configHome / "rennlupe" / "rennlupe.ini";

    // Each run is a new process of nobody's: 0 when it read and wrote as it should.
    const auto run = [&](std::string_view farbe, std::string_view grafikX) {
        return support::runAsNobody([&] {
            ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
            FailingFiles placed = files();
            modEinstellungenSpeichern settings(placed);
            const auto read = [&](std::string_view key) {
                return settings.ReadSetting(kSection, key, "0");
            };
            return settings.IniFileName() == moved.string() && read("Farbe") == farbe &&
                           read("Grafik X") == grafikX &&
                           errorNumberOf(settings, "Grafik X", "12") == 0 &&
                           read("Grafik X") == "12"
                       ? 0
                       : 1;
        });
    };

    EXPECT_EQ(run("300", "0"), 0);  // read beside the executable: no file of its own yet
    EXPECT_EQ(TemporaryFolder::read(moved), std::string(kOld) + "Grafik X=12\r\n");
    EXPECT_EQ(fs::status(moved.parent_path()).permissions(), fs::perms::owner_all);

    TemporaryFolder::write(moved, "[Positionen]\r\nFarbe=7\r\nGrafik X=5\r\n");
    EXPECT_EQ(run("7", "5"), 0);  // now its own file
    EXPECT_EQ(TemporaryFolder::read(moved), "[Positionen]\r\nFarbe=7\r\nGrafik X=12\r\n");

    EXPECT_EQ(TemporaryFolder::read(beside), kOld);
    EXPECT_EQ(entriesIn(program), 1);
}

TEST_F(SettingsLocation, ARelativeOrMissingConfigurationHomeFallsBack) {
    fs::permissions(program, kReadOnlyFolder);
    const fs::path home = open / "home";

    // A relative XDG_CONFIG_HOME gives way to HOME's .config; without a usable
    // HOME the file stays beside the executable, where nobody may not write it.
    EXPECT_EQ(support::runAsNobody([&] {
                  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
                  ::setenv("HOME", home.c_str(), 1);
                  return write();
              }),
              0);
    EXPECT_EQ(TemporaryFolder::read(home / ".config" / "rennlupe" / "rennlupe.ini"),
              "; mine\r\n[Positionen]\r\nFarbe=620\r\n");

    fs::permissions(beside, kReadOnlyFile);
    for (const char* badHome : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        SCOPED_TRACE(badHome == nullptr ? "(unset)" : badHome);
        EXPECT_EQ(support::runAsNobody([&] {
                      ::unsetenv("XDG_CONFIG_HOME");
                      badHome == nullptr ? ::unsetenv("HOME") : ::setenv("HOME", badHome, 1);
                      FailingFiles placed = files();
                      modEinstellungenSpeichern settings(placed);
                      return settings.IniFileName() == beside.string() &&
                                     platform::SystemFiles().configurationFolder().empty()
                                 ? errorNumberOf(settings, "Farbe", "1")
                                 : 1;
                  }),
                  5);
    }
    EXPECT_EQ(TemporaryFolder::read(beside), kOld);
}

TEST_F(SettingsLocation, AReadOnlyFileMovesTooUnlessTheFolderCannotBeMade) {
    fs::permissions(beside, kReadOnlyFile);  // read-only even for the superuser
    const fs::path config = open / "config";
    EXPECT_EQ(write(config, Step::CreateFolders), 5);
    EXPECT_EQ(entriesIn(open), 0);
    TemporaryFolder::write(open / "blocked", "");  // a file where the folder should be
    EXPECT_EQ(write(open / "blocked"), 5);

    EXPECT_EQ(write(config), 0);
    EXPECT_EQ(TemporaryFolder::read(config / "rennlupe" / "rennlupe.ini"),
              "; mine\r\n[Positionen]\r\nFarbe=620\r\n");
    EXPECT_EQ(TemporaryFolder::read(beside), kOld);
    EXPECT_EQ(entriesIn(program), 1);
}

}  // namespace
}  // namespace rennlupe::settings
