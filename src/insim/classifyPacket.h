#pragma once

#include "insim/PacketKind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace rennlupe::insim {

// Known identifiers in the order they are tested; matched exactly, case-sensitive.
inline constexpr std::array<std::pair<std::string_view, PacketKind>, 6> kPacketIdentifiers = {{
    {"VER", PacketKind::VER},
    {"RST", PacketKind::RST},
    {"STA", PacketKind::STA},
    {"NPL", PacketKind::NPL},
    {"MCI", PacketKind::MCI},
    {"ACK", PacketKind::ACK},
}};

// Bytes 0 to 2 of every packet; byte 3 is not read.
inline constexpr std::size_t kIdentifierSize = 3;

PacketKind classifyPacket(std::span<const std::uint8_t> datagram);

}  // namespace rennlupe::insim
