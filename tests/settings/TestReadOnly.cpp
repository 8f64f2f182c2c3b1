#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rennlupe::settings {
namespace {

namespace fs = std::filesystem;
using support::TemporaryFolder;

// Root ignores write permissions, so these cases run the probe as nobody, from
// a copy in a folder that nobody may enter.
class ReadOnly : public ::testing::Test {
protected:
    void SetUp() override {
        fs::permissions(m_folder.path(), fs::perms::all);
        m_probe = m_folder.path() / "settingsProbe";
        fs::copy_file(RENNLUPE_SETTINGS_PROBE, m_probe);
    }

    fs::path folder(const std::string& name, fs::perms perms) const {
        const fs::path made = m_folder.path() / name;
        fs::create_directory(made);
        fs::permissions(made, perms);
        return made;
    }

    // The probe's exit code: 0 stored, 5 refused.
    int writeAsNobody(const fs::path& file, const std::string& step = "") const {
        const std::string command = "runuser -u nobody -- env XDG_CONFIG_HOME='" +
                                    m_folder.path().string() + "' '" + m_probe.string() + "' '" +
                                    file.string() + "' Farbe 620 " + step;
        const int status = std::system(command.c_str());
        return (status >> 8) & 0xFF;  // the exit code of a finished child
    }

    TemporaryFolder m_folder;
    fs::path m_probe;
};

constexpr std::string_view kOld = "; mine\r\n[Positionen]\r\nFarbe=300\r\n";
constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read |
                           fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

TEST_F(ReadOnly, FileIsNotReplaced) {
    const fs::path file = folder("open", fs::perms::all) / "rennlupe.ini";
    TemporaryFolder::write(file, kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(writeAsNobody(file), 5);
    EXPECT_EQ(TemporaryFolder::read(file), kOld);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);
}

TEST_F(ReadOnly, FolderWithAWritableFileIsWrittenInPlace) {
    const fs::path closed = folder("closed", fs::perms::all);
    const fs::path file = closed / "rennlupe.ini";
    TemporaryFolder::write(file, kOld);
    fs::permissions(file, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                             fs::perms::others_exec));
    fs::permissions(closed, kReadOnly);

    EXPECT_EQ(writeAsNobody(file, "overwrite"), 5);  // fails halfway: the old bytes come back
    EXPECT_EQ(TemporaryFolder::read(file), kOld);
    EXPECT_EQ(writeAsNobody(file), 0);
    EXPECT_EQ(TemporaryFolder::read(file), "; mine\r\n[Positionen]\r\nFarbe=620\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(closed), {}), 1);

    EXPECT_EQ(writeAsNobody(closed / "new.ini"), 5);  // nothing to write in place
    EXPECT_FALSE(fs::exists(closed / "new.ini"));
}

}  // namespace
}  // namespace rennlupe::settings
