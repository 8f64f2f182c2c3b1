#pragma once

#include "platform/sockets/socket.h"
#include "platform/sockets/SocketAddress.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// The far end of a datagram test: a plain socket bound on loopback that sees
// every datagram with its real length.
class UdpPeer {
public:
    explicit UdpPeer(std::string_view host = "127.0.0.1", std::uint16_t port = 0);
    ~UdpPeer();
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    platform::SocketAddress address() const { return m_address; }
    // Where the latest received datagram came from.
    platform::SocketAddress lastSender() const { return m_lastSender; }
    // The next datagram, or nothing after a few seconds.
    std::optional<std::vector<std::uint8_t>> receive(int timeoutMilliseconds = 5000);
    // True when nothing is waiting.
    bool quiet();
    void sendTo(platform::SocketAddress to, std::span<const std::uint8_t> bytes);

private:
    platform::NativeSocket m_socket;
    platform::SocketAddress m_address{};
    platform::SocketAddress m_lastSender{};
};

}  // namespace rennlupe::support
