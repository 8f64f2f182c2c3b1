#pragma once

#include "bits/Overflow.h"

#include <cstdint>
#include <limits>

// Packet arithmetic is signed 16-bit; a result outside -32768..32767 is the
// Overflow failure, never a wrapped value.
namespace rennlupe::bits::checked16 {

constexpr std::int16_t narrow(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw Overflow();
    }
    return static_cast<std::int16_t>(value);
}

constexpr std::int16_t add(std::int16_t a, std::int16_t b) {
    return narrow(std::int64_t{a} + std::int64_t{b});
}

constexpr std::int16_t sub(std::int16_t a, std::int16_t b) {
    return narrow(std::int64_t{a} - std::int64_t{b});
}

constexpr std::int16_t mul(std::int16_t a, std::int16_t b) {
    return narrow(std::int64_t{a} * std::int64_t{b});
}

// A little-endian 16-bit field: high * 256 + low, so a high byte of 128 or
// more overflows instead of turning negative.
constexpr std::int16_t fromBytes(std::uint8_t low, std::uint8_t high) {
    return add(mul(std::int16_t{high}, 256), std::int16_t{low});
}

}  // namespace rennlupe::bits::checked16
