#pragma once

#include "console/HeadlessOptions.h"

#include <ostream>

// The window front end when this build has one; otherwise it says so and runs headless.
int runDesktopFrontEnd(const rennlupe::console::HeadlessOptions& options, std::ostream& out,
                       std::ostream& err);
