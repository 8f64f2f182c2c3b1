#pragma once

#include "bits/Error.h"
#include "platform/files/SystemFiles.h"
#include "settings/modEinstellungenSpeichern.h"
#include "support/FailingFiles.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

namespace rennlupe::settings {

// What the settings tests of both systems share.

namespace fs = std::filesystem;
using support::FailingFiles;
using support::TemporaryFolder;
using Step = FailingFiles::Step;

constexpr std::string_view kSection = "Positionen";
constexpr std::string_view kOld = "; mine\r\n[Positionen]\r\nFarbe=300\r\n";
constexpr auto kReadOnlyFile = static_cast<fs::perms>(0444);
constexpr auto kReadOnlyFolder = static_cast<fs::perms>(0555);

// The error number a write of key=value raises, 0 when it succeeds.
inline int errorNumberOf(modEinstellungenSpeichern& settings, std::string_view key,
                         std::string_view value, const std::string& file = {}) {
    try {
        settings.WriteSetting(kSection, key, value, file);
    } catch (const bits::Error& error) {
        return error.number();
    }
    return 0;
}

inline std::ptrdiff_t entriesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

// The real files and a settings file, not yet there, in a folder of its own.
class SettingsTest : public ::testing::Test {
protected:
    std::string read(std::string_view key, std::string_view section = kSection) {
        return settings.ReadSetting(section, key, "0", file);
    }

    TemporaryFolder folder;
    std::string file = folder.file("rennlupe.ini");
    platform::SystemFiles files;
    modEinstellungenSpeichern settings{files};
};

}  // namespace rennlupe::settings
