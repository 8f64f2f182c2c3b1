#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// The request packets a host was asked to send, in order.
class RecordingSender {
public:
    struct Packet {
        std::string id;
        std::uint8_t p1 = 0;
        std::uint8_t p2 = 0;
        std::uint8_t p3 = 0;
        friend bool operator==(const Packet&, const Packet&) = default;
    };

    void send(std::string_view id, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3) {
        m_packets.push_back(Packet{std::string(id), p1, p2, p3});
    }
    const std::vector<Packet>& packets() const noexcept { return m_packets; }
    void clear() { m_packets.clear(); }

private:
    std::vector<Packet> m_packets;
};

}  // namespace rennlupe::support
