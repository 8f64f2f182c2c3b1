#pragma once

#include "platform/files/Files.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rennlupe::settings {

// The settings file beside the executable. Sections, keys and values are
// single-byte Windows-1252 text, as the file holds them; an empty file
// argument means the program's own file.
class modEinstellungenSpeichern {
public:
    // A stored value is cut at this length, as a 255-character buffer with its zero holds.
    static constexpr std::size_t kMaxValueLength = 254;

    explicit modEinstellungenSpeichern(platform::Files& files);

    // Worked out on the first call and kept for the rest of the run.
    const std::string& IniFileName();
    // The executable's folder, its name without extension and ".ini".
    static std::string iniFileNameFor(std::string_view executablePath, char separator);

    // The stored value, or the default when the file, section or key is missing.
    std::string ReadSetting(std::string_view section, std::string_view key,
                            std::string_view defaultValue, const std::string& file = {});
    // Creates the file, section or key as needed; InvalidArgument (5) when it cannot.
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file = {});

private:
    const std::string& pathFor(const std::string& file);

    platform::Files& m_files;
    std::string m_strIniFile;
};

}  // namespace rennlupe::settings
