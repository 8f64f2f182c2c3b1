#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim10 {

// Little-endian values of a packet, each read bounded by the packet: a byte
// past its end reads as zero, so no layout can look outside what it was given.
class ByteReader {
public:
    explicit constexpr ByteReader(std::span<const std::uint8_t> packet) : m_bytes(packet) {}

    constexpr std::size_t size() const { return m_bytes.size(); }
    constexpr std::uint8_t u8(std::size_t offset) const {
        return offset < m_bytes.size() ? m_bytes[offset] : std::uint8_t{0};
    }
    // One bound check for a value wholly inside, byte by byte only at the end.
    constexpr std::uint16_t u16(std::size_t offset) const {
        if (offset < m_bytes.size() && m_bytes.size() - offset >= 2) {
            return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8U));
        }
        return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8U));
    }
    constexpr std::uint32_t u32(std::size_t offset) const {
        if (offset < m_bytes.size() && m_bytes.size() - offset >= 4) {
            return static_cast<std::uint32_t>(m_bytes[offset]) |
                   (static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8U) |
                   (static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16U) |
                   (static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24U);
        }
        return static_cast<std::uint32_t>(u16(offset)) |
               (static_cast<std::uint32_t>(u16(offset + 2)) << 16U);
    }
    constexpr std::int16_t i16(std::size_t offset) const {
        return static_cast<std::int16_t>(u16(offset));
    }
    constexpr std::int32_t i32(std::size_t offset) const {
        return static_cast<std::int32_t>(u32(offset));
    }
    constexpr float f32(std::size_t offset) const { return std::bit_cast<float>(u32(offset)); }

    template <std::size_t Width>
    constexpr std::array<std::uint8_t, Width> bytes(std::size_t offset) const {
        std::array<std::uint8_t, Width> out{};
        for (std::size_t i = 0; i < Width; ++i) {
            out[i] = u8(offset + i);
        }
        return out;
    }

private:
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace rennlupe::insim10
