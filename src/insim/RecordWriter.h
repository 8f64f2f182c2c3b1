#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace rennlupe::insim {

// The writing side of PacketBytes: a record of Size bytes, zero where nothing
// is put, beginning with its identifier when it has one.
template <std::size_t Size>
class RecordWriter {
public:
    RecordWriter() = default;
    explicit RecordWriter(std::string_view identifier) {
        put(0, 4,
            std::span(reinterpret_cast<const std::uint8_t*>(identifier.data()), identifier.size()));
    }

    void set(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }
    void set16(std::size_t offset, std::uint16_t value) {
        set(offset, static_cast<std::uint8_t>(value & 0xFFU));
        set(offset + 1, static_cast<std::uint8_t>(value >> 8U));
    }
    // The first fieldSize bytes of data at offset; the rest of the field stays 0.
    void put(std::size_t offset, std::size_t fieldSize, std::span<const std::uint8_t> data) {
        const std::size_t count = std::min({fieldSize, data.size(), Size - offset});
        std::copy_n(data.begin(), count, m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    std::span<std::uint8_t> bytes() { return m_bytes; }
    const std::array<std::uint8_t, Size>& result() const { return m_bytes; }

private:
    std::array<std::uint8_t, Size> m_bytes{};
};

}  // namespace rennlupe::insim
