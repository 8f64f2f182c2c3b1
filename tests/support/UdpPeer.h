#pragma once

#include "platform/sockets/socket.h"
#include "platform/sockets/SocketAddress.h"

#include <gtest/gtest.h>

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
    explicit UdpPeer(std::string_view host = "127.0.0.1", std::uint16_t port = 0) {
        const auto address = platform::parseIPv4(host);
        EXPECT_TRUE(address.has_value()) << host;
        EXPECT_EQ(platform::bindSocket(m_socket, {address.value_or(0), port}), 0)
            << "error " << platform::lastError();
        platform::localAddress(m_socket, m_address);
    }
    ~UdpPeer() { platform::closeSocket(m_socket); }
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    platform::SocketAddress address() const { return m_address; }
    // Where the latest received datagram came from.
    platform::SocketAddress lastSender() const { return m_lastSender; }
    // The next datagram, or nothing after a few seconds.
    std::optional<std::vector<std::uint8_t>> receive(int timeoutMilliseconds = 5000) {
        if (platform::waitUntilReadable(m_socket, timeoutMilliseconds) != 1) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> buffer(65536);
        const auto received = platform::receiveFrom(m_socket, buffer, m_lastSender);
        if (received < 0) {
            return std::nullopt;
        }
        buffer.resize(static_cast<std::size_t>(received));
        return buffer;
    }
    // True when nothing is waiting.
    bool quiet() { return platform::waitUntilReadable(m_socket, 0) == 0; }
    void sendTo(platform::SocketAddress to, std::span<const std::uint8_t> bytes) {
        ASSERT_EQ(platform::sendBytesTo(m_socket, bytes, to),
                  static_cast<std::ptrdiff_t>(bytes.size()));
    }

private:
    platform::NativeSocket m_socket = platform::openSocket(platform::kSocketDatagram, 17);
    platform::SocketAddress m_address{};
    platform::SocketAddress m_lastSender{};
};

}  // namespace rennlupe::support
