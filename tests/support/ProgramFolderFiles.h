#pragma once

#include "platform/files/Files.h"
#include "platform/files/PosixFiles.h"

#include <string>
#include <utility>

namespace rennlupe::support {

// The real file system, with the program's executable placed in a folder of the test's own.
class ProgramFolderFiles final : public platform::Files {
public:
    explicit ProgramFolderFiles(std::string executable) : m_executable(std::move(executable)) {}

    std::string executablePath() const override { return m_executable; }
    char separator() const override { return m_real.separator(); }
    std::optional<std::string> read(const std::string& path) const override {
        return m_real.read(path);
    }
    bool exists(const std::string& path) const override { return m_real.exists(path); }
    std::string resolveLinks(const std::string& path) const override {
        return m_real.resolveLinks(path);
    }
    bool isWritableFile(const std::string& path) const override {
        return m_real.isWritableFile(path);
    }
    bool isWritableFolder(const std::string& folder) const override {
        return m_real.isWritableFolder(folder);
    }
    std::optional<std::string> createTemporaryBeside(const std::string& target) override {
        return m_real.createTemporaryBeside(target);
    }
    bool overwrite(const std::string& path, std::string_view bytes) override {
        return m_real.overwrite(path, bytes);
    }
    bool flush(const std::string& path) override { return m_real.flush(path); }
    bool copyPermissions(const std::string& from, const std::string& to) override {
        return m_real.copyPermissions(from, to);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return m_real.rename(from, to);
    }
    bool remove(const std::string& path) override { return m_real.remove(path); }

private:
    std::string m_executable;
    platform::PosixFiles m_real;
};

}  // namespace rennlupe::support
