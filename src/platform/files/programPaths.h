#pragma once

#include "platform/files/Files.h"

#include <string>
#include <string_view>

namespace rennlupe::platform {

// The folder part of a path, without its trailing separator unless it is the root.
std::string folderOf(std::string_view path, char separator);

// folder + separator + name; a folder that already ends in the separator (the
// root) gets none, so the path never holds a doubled one.
std::string joinPath(std::string_view folder, std::string_view name, char separator);

// The name of the program's own folder inside the configuration folder, as the
// system writes it: "rennlupe" on POSIX systems, "Rennlupe" on Windows.
std::string_view programFolderName();

// A file of that name in the running executable's folder.
std::string besideExecutable(const Files& files, std::string_view name);

}  // namespace rennlupe::platform
