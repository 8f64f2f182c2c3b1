#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace rennlupe::support {

// Runs command through the shell and adds its standard output to output.
// Returns its exit code, or -1 when it could not be run or did not end by itself.
inline int runCommand(const std::string& command, std::string& output) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    std::array<char, 512> chunk{};
    while (std::fgets(chunk.data(), static_cast<int>(chunk.size()), pipe) != nullptr) {
        output += chunk.data();
    }
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace rennlupe::support
