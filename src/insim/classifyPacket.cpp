#include "insim/classifyPacket.h"

#include "insim/PacketBytes.h"

#include <cstddef>

namespace rennlupe::insim {

PacketKind classifyPacket(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    for (const auto& [identifier, kind] : kPacketIdentifiers) {
        bool same = true;
        for (std::size_t i = 0; i < identifier.size(); ++i) {
            same = same && bytes.at(i) == static_cast<std::uint8_t>(identifier[i]);
        }
        if (same) {
            return kind;
        }
    }
    return PacketKind::Gauge;
}

}  // namespace rennlupe::insim
