#include "platform/process/console.h"

namespace rennlupe::platform {

void useUtf8Console() {}

std::vector<std::string> programArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

}  // namespace rennlupe::platform
