#pragma once

#include "platform/sockets/SocketAddress.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::platform {

// Where one datagram lands: its buffer; after the receive, its length (cut to
// the buffer's size) and its sender.
struct DatagramSlot {
    std::span<std::uint8_t> buffer;
    std::size_t length = 0;
    SocketAddress from{};
};

}  // namespace rennlupe::platform
