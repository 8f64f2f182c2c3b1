#pragma once

#include <functional>
#include <optional>

namespace rennlupe::platform {

// Runs work in a child process whose standard error goes nowhere, and waits
// for it: work's result as the child's exit code, -1 when the child did not end
// by itself (a signal, an abort), nothing when no child could be run.
std::optional<int> runQuietChild(const std::function<int()>& work);

}  // namespace rennlupe::platform
