#include "support/FailingFiles.h"

namespace rennlupe::support {

bool FailingFiles::failsNow(Step step) {
    if (m_failed || step != m_failAt) {
        return false;
    }
    m_failed = true;
    return true;
}

std::optional<std::string> FailingFiles::read(const std::string& path) const {
    return m_real.read(path);
}

std::string FailingFiles::resolveLinks(const std::string& path) const {
    return m_real.resolveLinks(path);
}

bool FailingFiles::isWritableFile(const std::string& path) const {
    return m_real.isWritableFile(path);
}

bool FailingFiles::isWritableFolder(const std::string& folder) const {
    return m_real.isWritableFolder(folder);
}

bool FailingFiles::createFolders(const std::string& folder) {
    return !failsNow(Step::CreateFolders) && m_real.createFolders(folder);
}

std::optional<std::string> FailingFiles::createTemporaryBeside(const std::string& target) {
    if (failsNow(Step::CreateTemporary)) {
        return std::nullopt;
    }
    return m_real.createTemporaryBeside(target);
}

bool FailingFiles::overwrite(const std::string& path, std::string_view bytes) {
    if (failsNow(Step::Overwrite)) {
        (void)m_real.overwrite(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    return m_real.overwrite(path, bytes);
}

bool FailingFiles::flush(const std::string& path) {
    return !failsNow(Step::Flush) && m_real.flush(path);
}

bool FailingFiles::copyPermissions(const std::string& from, const std::string& to) {
    return !failsNow(Step::CopyPermissions) && m_real.copyPermissions(from, to);
}

bool FailingFiles::rename(const std::string& from, const std::string& to) {
    return !failsNow(Step::Rename) && m_real.rename(from, to);
}

}  // namespace rennlupe::support
