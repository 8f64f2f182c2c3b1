#pragma once

#include <cstdint>

namespace rennlupe::insim {

// What a received datagram is, by its first three bytes. Gauge is everything
// that is none of the six identifiers.
enum class PacketKind : std::uint8_t {
    VER,
    RST,
    STA,
    NPL,
    MCI,
    ACK,
    Gauge,
};

}  // namespace rennlupe::insim
