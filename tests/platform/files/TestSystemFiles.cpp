#include "platform/files/SystemFiles.h"

#include "platform/files/programPaths.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rennlupe::platform {
namespace {

namespace fs = std::filesystem;
using support::TemporaryFolder;

// The steps of a safe save on the real disk, in a folder whose name is not ASCII,
// as they run on this system (Windows: wide paths, MoveFileExW, the read-only attribute).
TEST(SystemFiles, TheStepsOfASafeSaveWorkOnTheRealDisk) {
    TemporaryFolder root;
    SystemFiles files;
    const char sep = files.separator();
    const std::string folder = joinPath(joinPath(root.path().string(),
                                                 "Gr\xC3\xB6\xC3\x9F"
                                                 "e",
                                                 sep),
                                        "deep", sep);
    EXPECT_FALSE(files.isWritableFolder(folder));  // not there yet
    ASSERT_TRUE(files.createFolders(folder));
    EXPECT_TRUE(files.isWritableFolder(folder));
    const std::string target = joinPath(folder, "rennlupe.ini", sep);
    EXPECT_FALSE(files.exists(target));
    EXPECT_FALSE(files.read(target));

    for (const std::string bytes : {"[Positionen]\r\nFarbe=1\r\n", "[Positionen]\r\n"}) {
        const auto temporary = files.createTemporaryBeside(target);
        ASSERT_TRUE(temporary);
        EXPECT_EQ(folderOf(*temporary, sep), folder);
        ASSERT_TRUE(files.overwrite(*temporary, bytes));
        EXPECT_TRUE(files.flush(*temporary));
        EXPECT_TRUE(!files.exists(target) || files.copyPermissions(target, *temporary));
        ASSERT_TRUE(files.rename(*temporary, target));
        EXPECT_EQ(files.read(target), bytes);
        EXPECT_EQ(files.stampOf(target)->size, static_cast<std::int64_t>(bytes.size()));
        EXPECT_FALSE(files.exists(*temporary));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(folder)), fs::directory_iterator()),
              1);

    // Without write permission (Windows: the read-only attribute) the file is not writable.
    fs::permissions(fs::u8path(target),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(files.isWritableFile(target));
    fs::permissions(fs::u8path(target), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(files.isWritableFile(target));
    EXPECT_TRUE(files.remove(target));
    EXPECT_FALSE(files.exists(target));
}

TEST(SystemFiles, KnowsTheRunningExecutableAndTheUsersConfigurationFolder) {
    SystemFiles files;
    const fs::path executable = fs::u8path(files.executablePath());
    EXPECT_TRUE(executable.is_absolute());
    EXPECT_EQ(executable.stem(), "rennlupe_files_tests");
    EXPECT_TRUE(fs::is_regular_file(executable));
    // Windows names %APPDATA%, POSIX $XDG_CONFIG_HOME or ~/.config: absolute either way.
    const std::string configuration = files.configurationFolder();
    EXPECT_TRUE(configuration.empty() || fs::u8path(configuration).is_absolute()) << configuration;
    if (files.separator() == '\\') {
        EXPECT_FALSE(configuration.empty());  // Windows always names %APPDATA%
    }
    EXPECT_EQ(programFolderName() == "Rennlupe", files.separator() == '\\');
}

}  // namespace
}  // namespace rennlupe::platform
