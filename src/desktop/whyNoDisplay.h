#pragma once

#include <optional>
#include <string>

namespace rennlupe::desktop {

// Why the window cannot open here, or nothing when it can. Qt ends the
// program when it finds no window system, so a child process tries first.
std::optional<std::string> whyNoDisplay();

}  // namespace rennlupe::desktop
