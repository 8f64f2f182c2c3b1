#pragma once

#include "insim/RecordWriter.h"
#include "net/okSocket.h"

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
    explicit OutgoingPacket(std::string_view identifier) : m_record(identifier) {}

    void set(std::size_t offset, std::uint8_t value) { m_record.set(offset, value); }
    // The first fieldSize bytes of text at offset; the rest of the field stays 0.
    void put(std::size_t offset, std::size_t fieldSize, std::span<const std::uint8_t> text) {
        m_record.put(offset, fieldSize, text);
    }
    void sendOn(net::okSocket& socket, std::int32_t lngSocket) const {
        socket.SendBytes(lngSocket, m_record.result(), static_cast<std::int32_t>(Size));
    }

private:
    RecordWriter<Size + 1> m_record;
};

}  // namespace rennlupe::insim
