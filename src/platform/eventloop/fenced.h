#pragma once

#include <exception>
#include <iostream>
#include <string_view>

namespace rennlupe::platform {

// The last fence before an event loop's own dispatch (poll, Qt), which no
// exception may cross: what escapes is written to standard error.
template <typename Work>
void fenced(std::string_view where, Work&& work) noexcept {
    try {
        work();
    } catch (const std::exception& failure) {
        std::cerr << "rennlupe: " << where << ": " << failure.what() << '\n';
    } catch (...) {
        std::cerr << "rennlupe: " << where << ": unknown failure\n";
    }
}

}  // namespace rennlupe::platform
