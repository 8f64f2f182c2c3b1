#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace rennlupe::insim10 {

// Writes little-endian values into a packet that starts zeroed, and its header
// with the Size byte as the packet's bytes / 4.
class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> packet) : m_bytes(packet) {}

    void header(std::uint8_t type, std::uint8_t reqI, std::uint8_t data) {
        u8(0, static_cast<std::uint8_t>(m_bytes.size() / 4));
        u8(1, type);
        u8(2, reqI);
        u8(3, data);
    }
    void u8(std::size_t offset, std::uint8_t value) { m_bytes[offset] = value; }
    void u16(std::size_t offset, std::uint16_t value) {
        u8(offset, static_cast<std::uint8_t>(value & 0xFFU));
        u8(offset + 1, static_cast<std::uint8_t>(value >> 8U));
    }
    void u32(std::size_t offset, std::uint32_t value) {
        u16(offset, static_cast<std::uint16_t>(value & 0xFFFFU));
        u16(offset + 2, static_cast<std::uint16_t>(value >> 16U));
    }
    void f32(std::size_t offset, float value) { u32(offset, std::bit_cast<std::uint32_t>(value)); }
    template <std::size_t Width>
    void bytes(std::size_t offset, const std::array<std::uint8_t, Width>& field) {
        std::copy(field.begin(), field.end(),
                  m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // The first bytes of text that fit the field; the rest of the field stays 0.
    void text(std::size_t offset, std::size_t fieldSize, std::string_view text) {
        const std::size_t count = std::min(fieldSize, text.size());
        std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count),
                       m_bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                       [](char c) { return static_cast<std::uint8_t>(c); });
    }

private:
    std::span<std::uint8_t> m_bytes;
};

// A message packet: the header, then the text from byte 4, its last byte always 0.
template <std::size_t Size>
std::array<std::uint8_t, Size> messagePacket(std::uint8_t type, std::string_view text) {
    std::array<std::uint8_t, Size> packet{};
    ByteWriter out(packet);
    out.header(type, 0, 0);
    out.text(4, Size - 5, text);
    return packet;
}

}  // namespace rennlupe::insim10
