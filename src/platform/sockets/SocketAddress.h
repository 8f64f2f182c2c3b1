#pragma once

#include <cstdint>

namespace rennlupe::platform {

// An IPv4 address and port, both as numbers (127.0.0.1 is 0x7F000001); the
// shim turns them into network byte order at the system call.
struct SocketAddress {
    std::uint32_t address = 0;
    std::uint16_t port = 0;

    friend bool operator==(const SocketAddress&, const SocketAddress&) = default;
};

}  // namespace rennlupe::platform
