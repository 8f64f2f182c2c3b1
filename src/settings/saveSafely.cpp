#include "settings/saveSafely.h"

#include "platform/files/programPaths.h"

namespace rennlupe::settings {

bool saveSafely(platform::Files& files, const std::string& path, std::string_view bytes,
                std::optional<std::string_view> previous) {
    const std::string target = files.resolveLinks(path);
    const bool existed = files.exists(target);
    if (existed && !files.isWritableFile(target)) {
        return false;
    }
    std::string folder = platform::folderOf(target, files.separator());
    if (folder.empty()) {
        folder = ".";
    }
    if (files.isWritableFolder(folder)) {
        const auto temporary = files.createTemporaryBeside(target);
        if (!temporary) {
            return false;
        }
        const bool stored = files.overwrite(*temporary, bytes) && files.flush(*temporary) &&
                            (!existed || files.copyPermissions(target, *temporary)) &&
                            files.rename(*temporary, target);
        if (!stored) {
            (void)files.remove(*temporary);
        }
        return stored;
    }
    if (!existed) {
        return false;
    }
    // A read-only folder leaves only the file itself; a failed write puts the old bytes back.
    if (files.overwrite(target, bytes) && files.flush(target)) {
        return true;
    }
    if (previous) {
        (void)(files.overwrite(target, *previous) && files.flush(target));
    }
    return false;
}

}  // namespace rennlupe::settings
