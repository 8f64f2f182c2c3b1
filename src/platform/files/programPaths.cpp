#include "platform/files/programPaths.h"

namespace rennlupe::platform {

std::string folderOf(std::string_view path, char separator) {
    const auto last = path.rfind(separator);
    if (last == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, last == 0 ? 1 : last));
}

std::string joinPath(std::string_view folder, std::string_view name, char separator) {
    if (folder.empty()) {
        return std::string(name);
    }
    std::string joined(folder);
    if (joined.back() != separator) {
        joined.push_back(separator);
    }
    joined.append(name);
    return joined;
}

std::string besideExecutable(const Files& files, std::string_view name) {
    const char separator = files.separator();
    return joinPath(folderOf(files.executablePath(), separator), name, separator);
}

}  // namespace rennlupe::platform
