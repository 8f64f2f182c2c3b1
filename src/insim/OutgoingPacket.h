#pragma once

#include "net/okSocket.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace rennlupe::insim {

// A packet being built as the socket object takes it: indexes 0 to Size, the
// last element 0 and never sent.
template <std::size_t Size>
class OutgoingPacket {
public:
    // Bytes 0 to 3: the identifier followed by a zero, as far as it reaches.
    explicit OutgoingPacket(std::string_view identifier) {
        const std::size_t count = std::min<std::size_t>(identifier.size(), 4);
        for (std::size_t i = 0; i < count; ++i) {
            m_bytes[i] = static_cast<std::uint8_t>(identifier[i]);
        }
    }

    void set(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }
    // The first fieldSize bytes of text at offset; the rest of the field stays 0.
    void put(std::size_t offset, std::size_t fieldSize, std::span<const std::uint8_t> text) {
        std::copy_n(text.begin(), std::min(fieldSize, text.size()),
                    m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    void sendOn(net::okSocket& socket, std::int32_t lngSocket) const {
        socket.SendBytes(lngSocket, m_bytes, static_cast<std::int32_t>(Size));
    }

private:
    std::array<std::uint8_t, Size + 1> m_bytes{};
};

}  // namespace rennlupe::insim
