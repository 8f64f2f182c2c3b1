#pragma once

#include "platform/files/Files.h"

#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::platform {

// The running system's files: files_posix.cpp or files_win.cpp, as CMake picks.
// Paths are UTF-8 on both.
class SystemFiles final : public Files {
public:
    std::string executablePath() const override;
    char separator() const override;
    // POSIX: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
    // Windows: %APPDATA%.
    std::string configurationFolder() const override;

    std::optional<std::string> read(const std::string& path) const override;
    bool exists(const std::string& path) const override;
    std::optional<FileStamp> stampOf(const std::string& path) const override;
    std::string resolveLinks(const std::string& path) const override;
    bool isWritableFile(const std::string& path) const override;
    bool isWritableFolder(const std::string& folder) const override;

    bool createFolders(const std::string& folder) override;

    std::optional<std::string> createTemporaryBeside(const std::string& target) override;
    bool overwrite(const std::string& path, std::string_view bytes) override;
    bool flush(const std::string& path) override;
    bool copyPermissions(const std::string& from, const std::string& to) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
};

}  // namespace rennlupe::platform
