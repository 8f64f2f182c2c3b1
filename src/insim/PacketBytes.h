#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// A datagram read as a fixed-length record: bytes past its end read as zero,
// so no reader ever looks outside the buffer it was given.
class PacketBytes {
public:
    explicit constexpr PacketBytes(std::span<const std::uint8_t> datagram) : m_bytes(datagram) {}

    constexpr std::uint8_t at(std::size_t offset) const {
        return offset < m_bytes.size() ? m_bytes[offset] : std::uint8_t{0};
    }

    template <std::size_t Width>
    constexpr std::array<std::uint8_t, Width> field(std::size_t offset) const {
        std::array<std::uint8_t, Width> out{};
        for (std::size_t i = 0; i < Width; ++i) {
            out[i] = at(offset + i);
        }
        return out;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace rennlupe::insim
