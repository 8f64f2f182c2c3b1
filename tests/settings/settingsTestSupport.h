#pragma once

#include "bits/Error.h"
#include "settings/modEinstellungenSpeichern.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::settings {

inline constexpr std::string_view kSection = "Positionen";
inline constexpr auto kReadOnlyFolder =
    std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
    std::filesystem::perms::others_read | std::filesystem::perms::owner_exec |
    std::filesystem::perms::group_exec | std::filesystem::perms::others_exec;
inline constexpr auto kReadOnlyFile = std::filesystem::perms::owner_read |
                                      std::filesystem::perms::group_read |
                                      std::filesystem::perms::others_read;

// The error number a write of key=value in the section raises, 0 when it succeeds.
inline int errorNumberOf(modEinstellungenSpeichern& settings, std::string_view key,
                         std::string_view value, const std::string& file = {}) {
    try {
        settings.WriteSetting(kSection, key, value, file);
    } catch (const bits::Error& error) {
        return error.number();
    }
    return 0;
}

inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

}  // namespace rennlupe::settings
