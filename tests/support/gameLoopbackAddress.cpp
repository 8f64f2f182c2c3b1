#include "support/gameLoopbackAddress.h"

#include <unistd.h>

namespace rennlupe::support {

std::string gameLoopbackAddress() {
    const auto pid = static_cast<unsigned>(::getpid());
    return "127." + std::to_string(100U + ((pid >> 16U) & 0x3FU)) + "." +
           std::to_string((pid >> 8U) & 0xFFU) + "." + std::to_string(pid & 0xFFU);
}

}  // namespace rennlupe::support
