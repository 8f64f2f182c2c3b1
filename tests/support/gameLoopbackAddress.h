#pragma once

#include <string>

namespace rennlupe::support {

// A loopback address of this test process's own (127.100.0.0 to
// 127.163.255.255, from the process id), so a test that plays the game can
// bind port 29999 without meeting a parallel run.
std::string gameLoopbackAddress();

}  // namespace rennlupe::support
