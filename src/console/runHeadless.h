#pragma once

#include "console/HeadlessOptions.h"

#include <ostream>

namespace rennlupe::console {

// The program without a display, on the poll loop, until SIGINT or SIGTERM, with
// options already read and found good. 0 when it ended well, 1 when the settings
// could not be saved.
int runHeadless(const HeadlessOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rennlupe::console
