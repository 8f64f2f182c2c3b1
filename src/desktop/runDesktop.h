#pragma once

#include "ui/StartOptions.h"

#include <ostream>

namespace rennlupe::desktop {

// The program in its window until the window closes (or SIGINT or SIGTERM
// closes it): 0, or 1 when the settings could not be saved.
int runDesktop(const ui::StartOptions& options, std::ostream& err);

}  // namespace rennlupe::desktop
