#include "support/FailingFiles.h"

namespace rennlupe::support {

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

}  // namespace rennlupe::support
