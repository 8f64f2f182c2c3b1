#pragma once

#include <functional>

namespace rennlupe::support {

// Runs body in a forked child that has switched to the user nobody (uid and
// gid 65534), because root may do what the case is about. Returns the child's
// exit status: body's result, or -1 when the child could not be run.
int runAsNobody(const std::function<int()>& body);

}  // namespace rennlupe::support
