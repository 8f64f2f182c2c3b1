#pragma once

#include <exception>
#include <iostream>
#include <string_view>

namespace rennlupe::platform::qt {

// The last fence before Qt's own event dispatch, which no exception may cross.
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

}  // namespace rennlupe::platform::qt
