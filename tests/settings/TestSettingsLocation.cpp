#include "bits/Error.h"
#include "platform/files/PosixFiles.h"
#include "settings/modEinstellungenSpeichern.h"
#include "settingsTestSupport.h"
#include "support/FailingFiles.h"
#include "support/runAsNobody.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace rennlupe::settings {
namespace {

namespace fs = std::filesystem;
using support::FailingFiles;
using support::TemporaryFolder;

constexpr std::string_view kPortable = "; left by a portable copy\r\n[Positionen]\r\nFarbe=300\r\n";

// A program folder holding the executable's settings file (unless bytes is
// empty) and a folder beside it that everyone may write.
struct Installation {
    explicit Installation(std::string_view bytes = kPortable) {
        fs::permissions(root.path(), fs::perms::all);
        fs::create_directory(program);
        fs::create_directory(open);
        fs::permissions(open, fs::perms::all);
        if (!bytes.empty()) {
            TemporaryFolder::write(beside, bytes);
            fs::permissions(beside, fs::perms::all);  // only the folder may keep the user out
        }
    }

    FailingFiles files(FailingFiles::Step failAt = FailingFiles::Step::None) const {
        FailingFiles placed(failAt);
        placed.placeExecutable((program / "rennlupe").string());
        return placed;
    }

    TemporaryFolder root;
    fs::path program = root.path() / "program";
    fs::path open = root.path() / "open";
    fs::path beside = program / "rennlupe.ini";
};

TEST(SettingsLocation, AWritableProgramFolderKeepsTheFileBesideTheExecutable) {
    for (const std::string_view bytes : {std::string_view(), kPortable}) {
        SCOPED_TRACE(bytes.empty() ? "no file yet" : "a file there");
        Installation installed(bytes);
        FailingFiles files = installed.files();
        files.placeConfigurationFolder((installed.open / "config").string());
        modEinstellungenSpeichern settings(files);

        EXPECT_EQ(settings.IniFileName(), installed.beside.string());
        EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0"), bytes.empty() ? "0" : "300");
        EXPECT_EQ(errorNumberOf(settings, "Grafik X", "12"), 0);
        EXPECT_NE(TemporaryFolder::read(installed.beside).find("Grafik X=12"), std::string::npos);
        EXPECT_TRUE(namesIn(installed.open).empty());
    }
}

TEST(SettingsLocation, AReadOnlyProgramFolderMovesTheSavesToTheConfigurationFolder) {
    Installation installed;
    fs::permissions(installed.program, kReadOnlyFolder);
    const fs::path configHome = installed.open / "config" / "home";  // neither exists yet
    const fs::path moved = configHome / "rennlupe" / "rennlupe.ini";

    // Each run is a new process of nobody's: 0 when it saw what it should, else the step.
    const auto run = [&](std::string_view expectedFarbe, std::string_view expectedGrafikX) {
        return support::runAsNobody([&] {
            ::setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
            FailingFiles files = installed.files();
            modEinstellungenSpeichern settings(files);
            if (settings.IniFileName() != moved.string()) {
                return 1;
            }
            if (settings.ReadSetting(kSection, "Farbe", "0") != expectedFarbe ||
                settings.ReadSetting(kSection, "Grafik X", "0") != expectedGrafikX) {
                return 2;
            }
            if (errorNumberOf(settings, "Grafik X", "12") != 0) {
                return 3;
            }
            return settings.ReadSetting(kSection, "Grafik X", "0") == "12" ? 0 : 4;
        });
    };

    EXPECT_EQ(run("300", "0"), 0);  // read beside the executable: no file of its own yet
    EXPECT_EQ(TemporaryFolder::read(moved), std::string(kPortable) + "Grafik X=12\r\n");
    EXPECT_EQ(fs::status(moved.parent_path()).permissions(), fs::perms::owner_all);

    TemporaryFolder::write(moved, "[Positionen]\r\nFarbe=7\r\nGrafik X=5\r\n");
    EXPECT_EQ(run("7", "5"), 0);  // now its own file
    EXPECT_EQ(TemporaryFolder::read(moved), "[Positionen]\r\nFarbe=7\r\nGrafik X=12\r\n");

    EXPECT_EQ(TemporaryFolder::read(installed.beside), kPortable);
    EXPECT_EQ(namesIn(installed.program), std::vector<std::string>{"rennlupe.ini"});
}

TEST(SettingsLocation, ARelativeOrMissingConfigurationHomeFallsBack) {
    Installation installed;
    fs::permissions(installed.program, kReadOnlyFolder);
    const fs::path home = installed.open / "home";

    // A relative XDG_CONFIG_HOME gives way to HOME's .config; without a usable
    // HOME the file stays beside the executable, where nobody may not write it.
    EXPECT_EQ(support::runAsNobody([&] {
                  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
                  ::setenv("HOME", home.c_str(), 1);
                  FailingFiles files = installed.files();
                  modEinstellungenSpeichern settings(files);
                  return errorNumberOf(settings, "Farbe", "620");
              }),
              0);
    EXPECT_EQ(TemporaryFolder::read(home / ".config" / "rennlupe" / "rennlupe.ini"),
              "; left by a portable copy\r\n[Positionen]\r\nFarbe=620\r\n");

    fs::permissions(installed.beside, kReadOnlyFile);
    for (const char* badHome : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        SCOPED_TRACE(badHome == nullptr ? "(unset)" : badHome);
        EXPECT_EQ(support::runAsNobody([&] {
                      ::unsetenv("XDG_CONFIG_HOME");
                      if (badHome == nullptr) {
                          ::unsetenv("HOME");
                      } else {
                          ::setenv("HOME", badHome, 1);
                      }
                      if (!platform::PosixFiles().configurationFolder().empty()) {
                          return 1;
                      }
                      FailingFiles files = installed.files();
                      modEinstellungenSpeichern settings(files);
                      return settings.IniFileName() == installed.beside.string()
                                 ? errorNumberOf(settings, "Farbe", "1")
                                 : 2;
                  }),
                  5);
    }
    EXPECT_EQ(TemporaryFolder::read(installed.beside), kPortable);
}

TEST(SettingsLocation, AReadOnlyFileInAWritableFolderMovesToo) {
    Installation installed;
    fs::permissions(installed.beside, kReadOnlyFile);  // read-only even for the superuser
    const fs::path config = installed.open / "config";
    FailingFiles files = installed.files();
    files.placeConfigurationFolder(config.string());
    modEinstellungenSpeichern settings(files);

    EXPECT_EQ(settings.ReadSetting(kSection, "Farbe", "0"), "300");
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "620"), 0);
    EXPECT_EQ(TemporaryFolder::read(config / "rennlupe" / "rennlupe.ini"),
              "; left by a portable copy\r\n[Positionen]\r\nFarbe=620\r\n");
    EXPECT_EQ(TemporaryFolder::read(installed.beside), kPortable);
    EXPECT_EQ(namesIn(installed.program), std::vector<std::string>{"rennlupe.ini"});
}

TEST(SettingsLocation, AFolderThatCannotBeMadeIsAFailedSave) {
    Installation installed;
    fs::permissions(installed.beside, kReadOnlyFile);

    FailingFiles failing = installed.files(FailingFiles::Step::CreateFolders);
    failing.placeConfigurationFolder((installed.open / "config").string());
    modEinstellungenSpeichern settings(failing);
    EXPECT_EQ(errorNumberOf(settings, "Farbe", "620"), 5);
    EXPECT_TRUE(failing.failed());
    EXPECT_TRUE(namesIn(installed.open).empty());

    // A file where the folder should be.
    TemporaryFolder::write(installed.open / "blocked", "");
    FailingFiles files = installed.files();
    files.placeConfigurationFolder((installed.open / "blocked").string());
    modEinstellungenSpeichern blocked(files);
    EXPECT_EQ(errorNumberOf(blocked, "Farbe", "620"), 5);
    EXPECT_EQ(TemporaryFolder::read(installed.beside), kPortable);
}

}  // namespace
}  // namespace rennlupe::settings
