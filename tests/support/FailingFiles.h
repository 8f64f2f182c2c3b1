#pragma once

#include "platform/files/PosixFiles.h"

#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::support {

// The real files, except that one chosen step fails once. A failing overwrite
// first writes half the bytes, as a full disk does.
class FailingFiles final : public platform::Files {
public:
    enum class Step { None, CreateTemporary, Overwrite, Flush, CopyPermissions, Rename };

    explicit FailingFiles(Step failAt = Step::None) : m_failAt(failAt) {}

    std::string executablePath() const override { return m_real.executablePath(); }
    char separator() const override { return m_real.separator(); }
    std::optional<std::string> read(const std::string& path) const override;
    bool exists(const std::string& path) const override { return m_real.exists(path); }
    std::string resolveLinks(const std::string& path) const override;
    bool isWritableFile(const std::string& path) const override;
    bool isWritableFolder(const std::string& folder) const override;

    std::optional<std::string> createTemporaryBeside(const std::string& target) override;
    bool overwrite(const std::string& path, std::string_view bytes) override;
    bool flush(const std::string& path) override;
    bool copyPermissions(const std::string& from, const std::string& to) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override { return m_real.remove(path); }

    bool failed() const noexcept { return m_failed; }

private:
    bool failsNow(Step step);

    platform::PosixFiles m_real;
    Step m_failAt;
    bool m_failed = false;
};

}  // namespace rennlupe::support
