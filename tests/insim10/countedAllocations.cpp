#include "countedAllocations.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocations = 0;
}  // namespace

// Counts what the heap gives, so a test can see that a step takes nothing from it.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}

namespace rennlupe::insim10 {

std::size_t allocationCount() {
    return allocations;
}

}  // namespace rennlupe::insim10
