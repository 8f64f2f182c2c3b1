#pragma once

#include <cstdlib>

namespace rennlupe::support {

// The cross build's tests under Wine, whose few differences from Windows a test
// leaves to Windows itself (set by tests/CMakeLists.txt when Wine runs them).
inline bool underWine() {
    return std::getenv("RENNLUPE_UNDER_WINE") != nullptr;
}

}  // namespace rennlupe::support
