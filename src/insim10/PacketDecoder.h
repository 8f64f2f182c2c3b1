#pragma once

#include "insim10/DropReason.h"
#include "insim10/Packet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// Turns one datagram, of any length and from anyone, into one packet or nothing. It is InSim
// when its Size, Type and counts agree, else OutGauge when it is 92 or 96 bytes, else dropped
// and counted. Never throws, never reads past the datagram, never allocates.
class PacketDecoder {
public:
    std::optional<Packet> decode(std::span<const std::uint8_t> datagram) noexcept;
    std::uint64_t dropped(DropReason reason) const noexcept {
        return m_dropped[static_cast<std::size_t>(reason)];
    }

private:
    std::array<std::uint64_t, kDropReasons> m_dropped{};
};

}  // namespace rennlupe::insim10
