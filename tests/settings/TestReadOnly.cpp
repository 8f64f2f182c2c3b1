#include "settings/modEinstellungenSpeichern.h"
#include "settingsTestSupport.h"
#include "support/FailingFiles.h"
#include "support/runAsNobody.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace rennlupe::settings {
namespace {

namespace fs = std::filesystem;
using support::FailingFiles;
using support::TemporaryFolder;

constexpr std::string_view kOld = "; mine\r\n[Positionen]\r\nFarbe=300\r\n";
constexpr auto kWritableFile =
    kReadOnlyFile | fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Root ignores write permissions, so the write runs as nobody: 0 when stored,
// else the error number.
int writeAsNobody(const fs::path& file, FailingFiles::Step failAt = FailingFiles::Step::None) {
    return support::runAsNobody([&] {
        FailingFiles files(failAt);
        modEinstellungenSpeichern settings(files);
        return errorNumberOf(settings, "Farbe", "620", file.string());
    });
}

fs::path folderIn(const TemporaryFolder& root, const std::string& name) {
    fs::permissions(root.path(), fs::perms::all);
    const fs::path made = root.path() / name;
    fs::create_directory(made);
    fs::permissions(made, fs::perms::all);
    return made;
}

TEST(ReadOnly, FileIsNotReplaced) {
    TemporaryFolder root;
    const fs::path file = folderIn(root, "open") / "rennlupe.ini";
    TemporaryFolder::write(file, kOld);
    fs::permissions(file, kReadOnlyFile);
    EXPECT_EQ(writeAsNobody(file), 5);
    EXPECT_EQ(TemporaryFolder::read(file), kOld);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);
}

TEST(ReadOnly, FolderWithAWritableFileIsWrittenInPlace) {
    TemporaryFolder root;
    const fs::path closed = folderIn(root, "closed");
    const fs::path file = closed / "rennlupe.ini";
    TemporaryFolder::write(file, kOld);
    fs::permissions(file, kWritableFile);
    fs::permissions(closed, kReadOnlyFolder);

    // Failing halfway, the write puts the old bytes back.
    EXPECT_EQ(writeAsNobody(file, FailingFiles::Step::Overwrite), 5);
    EXPECT_EQ(TemporaryFolder::read(file), kOld);
    EXPECT_EQ(writeAsNobody(file), 0);
    EXPECT_EQ(TemporaryFolder::read(file), "; mine\r\n[Positionen]\r\nFarbe=620\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(closed), {}), 1);

    EXPECT_EQ(writeAsNobody(closed / "new.ini"), 5);  // nothing to write in place
    EXPECT_FALSE(fs::exists(closed / "new.ini"));
}

}  // namespace
}  // namespace rennlupe::settings
