#include "settings/modEinstellungenSpeichern.h"

#include "bits/InvalidArgument.h"
#include "platform/files/programPaths.h"
#include "settings/IniFile.h"
#include "settings/saveSafely.h"

#include <optional>
#include <utility>

namespace rennlupe::settings {

namespace {

std::string cutValue(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, modEinstellungenSpeichern::kMaxValueLength));
}

// Texts that would break the line structure of the file, and so what it reads back.
bool writable(std::string_view section, std::string_view key, std::string_view value) {
    constexpr std::string_view kLineBreaking("\r\n\0", 3);
    const auto breaks = [&](std::string_view text) {
        return text.find_first_of(kLineBreaking) != std::string_view::npos;
    };
    return !section.empty() && !key.empty() && !breaks(section) && !breaks(key) && !breaks(value) &&
           section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.front() != '[' && key.front() != ';';
}

}  // namespace

modEinstellungenSpeichern::modEinstellungenSpeichern(platform::Files& files) : m_files(files) {}

std::string modEinstellungenSpeichern::iniFileNameFor(std::string_view executablePath,
                                                      char separator) {
    const auto nameStart = executablePath.rfind(separator);
    std::string_view name =
        nameStart == std::string_view::npos ? executablePath : executablePath.substr(nameStart + 1);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    const std::string folder = platform::folderOf(executablePath, separator);
    return platform::joinPath(folder, std::string(name) + ".ini", separator);
}

const std::string& modEinstellungenSpeichern::IniFileName() {
    if (!m_strIniFile.empty()) {
        return m_strIniFile;
    }
    const char separator = m_files.separator();
    std::string beside = iniFileNameFor(m_files.executablePath(), separator);
    const bool writableBeside = m_files.isWritableFolder(platform::folderOf(beside, separator)) &&
                                (!m_files.exists(beside) || m_files.isWritableFile(beside));
    const std::string configuration = m_files.configurationFolder();
    if (writableBeside || configuration.empty()) {
        m_strIniFile = std::move(beside);
        return m_strIniFile;
    }
    m_strIniFile = platform::joinPath(
        platform::joinPath(configuration, platform::programFolderName(), separator),
        kConfigurationFile, separator);
    m_besideFile = std::move(beside);
    return m_strIniFile;
}

const std::string& modEinstellungenSpeichern::pathFor(const std::string& file) {
    return file.empty() ? IniFileName() : file;
}

const std::string& modEinstellungenSpeichern::readPathFor(const std::string& file) {
    const std::string& path = pathFor(file);
    if (file.empty() && !m_besideFile.empty() && !m_files.exists(path)) {
        return m_besideFile;
    }
    return path;
}

std::string modEinstellungenSpeichern::ReadSetting(std::string_view section, std::string_view key,
                                                   std::string_view defaultValue,
                                                   const std::string& file) {
    const auto bytes = m_files.read(readPathFor(file));
    if (bytes) {
        if (const auto stored = IniFile(*bytes).value(section, key)) {
            return cutValue(*stored);
        }
    }
    return cutValue(defaultValue);
}

void modEinstellungenSpeichern::WriteSetting(std::string_view section, std::string_view key,
                                             std::string_view value, const std::string& file) {
    const std::string& path = pathFor(file);
    if (!writable(section, key, value)) {
        throw bits::InvalidArgument();
    }
    const std::optional<std::string> previous = m_files.read(path);
    if (!previous && m_files.exists(path)) {
        throw bits::InvalidArgument();  // there, but unreadable: its keys would be lost
    }
    const bool inConfigurationFolder = file.empty() && !m_besideFile.empty();
    if (inConfigurationFolder &&
        !m_files.createFolders(platform::folderOf(path, m_files.separator()))) {
        throw bits::InvalidArgument();
    }
    // The first save there starts from what a portable copy left beside the executable.
    IniFile ini(previous ? *previous
                         : (inConfigurationFolder ? m_files.read(m_besideFile) : std::nullopt)
                               .value_or(std::string()));
    ini.setValue(section, key, value);
    const std::optional<std::string_view> old =
        previous ? std::optional<std::string_view>(*previous) : std::nullopt;
    if (!saveSafely(m_files, path, ini.bytes(), old)) {
        throw bits::InvalidArgument();
    }
}

}  // namespace rennlupe::settings
