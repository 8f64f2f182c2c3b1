#pragma once

#include "console/HeadlessOptions.h"

#include <ostream>
#include <span>
#include <string_view>

namespace rennlupe::console {

// The program without a display, on the poll loop, until SIGINT or SIGTERM.
// 0 when it ended well, 1 when the settings could not be saved, 2 for bad options.
int runHeadless(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);
// The same with the options already read (and found good).
int runHeadless(const HeadlessOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rennlupe::console
