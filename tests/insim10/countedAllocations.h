#pragma once

#include <cstddef>

namespace rennlupe::insim10 {

// How often this test program's global operator new has been called so far.
std::size_t allocationCount();

}  // namespace rennlupe::insim10
