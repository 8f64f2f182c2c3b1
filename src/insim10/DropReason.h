#pragma once

#include <cstddef>
#include <cstdint>

namespace rennlupe::insim10 {

// Why PacketDecoder dropped a datagram.
enum class DropReason : std::uint8_t {
    TooShort,      // empty, or shorter than the 4-byte header
    SizeZero,      // a Size byte of 0
    SizeMismatch,  // Size * 4 is not the datagram's length
    UnknownType,   // no packet from the game has this Type
    Refused,       // the Type's layout refused the bytes (length, counts)
};

inline constexpr std::size_t kDropReasons = 5;

}  // namespace rennlupe::insim10
