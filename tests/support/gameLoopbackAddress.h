#pragma once

#include <unistd.h>

#include <string>

namespace rennlupe::support {

// A loopback address of this test process's own (127.100.0.0 to
// 127.163.255.255, from the process id), so a test that plays the game can
// bind port 29999 without meeting a parallel run.
inline std::string gameLoopbackAddress() {
    const auto pid = static_cast<unsigned>(::getpid());
    return "127." + std::to_string(100U + ((pid >> 16U) & 0x3FU)) + "." +
           std::to_string((pid >> 8U) & 0xFFU) + "." + std::to_string(pid & 0xFFU);
}

}  // namespace rennlupe::support
