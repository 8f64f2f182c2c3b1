#pragma once

#include "insim-sim/SimOptions.h"

#include <ostream>

namespace rennlupe::tools {

// Today's stand-in game with its screen window, both on one Qt loop, until SIGINT,
// SIGTERM, --run-for or the window is closed; the program's exit code.
int runScreen(const SimOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rennlupe::tools
