#pragma once

#include "platform/files/Files.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rennlupe::settings {

// The program's settings file: beside the executable where the user may write
// there, else in the user's configuration folder. Sections, keys and values are
// single-byte Windows-1252 text; an empty file argument means the program's file.
class modEinstellungenSpeichern {
public:
    // A stored value is cut at this length, as a 255-character buffer with its zero holds.
    static constexpr std::size_t kMaxValueLength = 254;
    // Where an installed program keeps it: <configuration folder>/rennlupe/rennlupe.ini.
    static constexpr std::string_view kConfigurationFile = "rennlupe.ini";

    explicit modEinstellungenSpeichern(platform::Files& files);

    // Where the settings are written; worked out on the first call and kept for the run.
    const std::string& IniFileName();
    // The executable's folder, its name without extension and ".ini".
    static std::string iniFileNameFor(std::string_view executablePath, char separator);

    // The stored value, or the default when the file, section or key is missing. The
    // program's file in the configuration folder, until it exists, reads as the one beside.
    std::string ReadSetting(std::string_view section, std::string_view key,
                            std::string_view defaultValue, const std::string& file = {});
    // Creates the file, section or key as needed; InvalidArgument (5) when it cannot.
    void WriteSetting(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file = {});

private:
    const std::string& pathFor(const std::string& file);
    const std::string& readPathFor(const std::string& file);

    platform::Files& m_files;
    std::string m_strIniFile;
    std::string m_besideFile;  // set only when m_strIniFile is in the configuration folder
};

}  // namespace rennlupe::settings
