#pragma once

#include <string>

namespace rennlupe::support {

// Runs command through the shell and adds its standard output to output.
// Returns its exit code, or -1 when it could not be run or did not end by itself.
int runCommand(const std::string& command, std::string& output);

}  // namespace rennlupe::support
