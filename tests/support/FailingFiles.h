#pragma once

#include "platform/files/SystemFiles.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rennlupe::support {

// The real files, except that one chosen step fails once. A failing overwrite
// first writes half the bytes, as a full disk does.
class FailingFiles final : public platform::Files {
public:
    enum class Step {
        None,
        CreateTemporary,
        Overwrite,
        Flush,
        CopyPermissions,
        Rename,
        CreateFolders
    };

    explicit FailingFiles(Step failAt = Step::None) : m_failAt(failAt) {}

    // The program's executable as if it lay here, so its settings file goes beside it.
    void placeExecutable(std::string path) { m_executable = std::move(path); }
    // The user's configuration folder as if the environment named this one ("": none).
    void placeConfigurationFolder(std::string folder) { m_configuration = std::move(folder); }
    bool failed() const noexcept { return m_failed; }

    std::string executablePath() const override {
        return m_executable.empty() ? m_real.executablePath() : m_executable;
    }
    char separator() const override { return m_real.separator(); }
    std::string configurationFolder() const override {
        return m_configuration.value_or(m_real.configurationFolder());
    }
    std::optional<std::string> read(const std::string& p) const override { return m_real.read(p); }
    bool exists(const std::string& path) const override { return m_real.exists(path); }
    std::optional<platform::FileStamp> stampOf(const std::string& path) const override {
        return m_real.stampOf(path);
    }
    std::string resolveLinks(const std::string& p) const override { return m_real.resolveLinks(p); }
    bool isWritableFile(const std::string& p) const override { return m_real.isWritableFile(p); }
    bool isWritableFolder(const std::string& p) const override {
        return m_real.isWritableFolder(p);
    }
    bool createFolders(const std::string& folder) override {
        return !failsNow(Step::CreateFolders) && m_real.createFolders(folder);
    }
    std::optional<std::string> createTemporaryBeside(const std::string& target) override {
        return failsNow(Step::CreateTemporary) ? std::nullopt
                                               : m_real.createTemporaryBeside(target);
    }
    bool overwrite(const std::string& path, std::string_view bytes) override {
        const bool fails = failsNow(Step::Overwrite);
        return m_real.overwrite(path, fails ? bytes.substr(0, bytes.size() / 2) : bytes) && !fails;
    }
    bool flush(const std::string& p) override { return !failsNow(Step::Flush) && m_real.flush(p); }
    bool copyPermissions(const std::string& from, const std::string& to) override {
        return !failsNow(Step::CopyPermissions) && m_real.copyPermissions(from, to);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return !failsNow(Step::Rename) && m_real.rename(from, to);
    }
    bool remove(const std::string& path) override { return m_real.remove(path); }

private:
    bool failsNow(Step step) { return step == m_failAt && !std::exchange(m_failed, true); }

    std::string m_executable;
    std::optional<std::string> m_configuration;
    platform::SystemFiles m_real;
    Step m_failAt;
    bool m_failed = false;
};

}  // namespace rennlupe::support
