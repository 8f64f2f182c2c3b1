#include "support/UdpPeer.h"

#include <gtest/gtest.h>

namespace rennlupe::support {

UdpPeer::UdpPeer(std::string_view host, std::uint16_t port)
    : m_socket(platform::openSocket(platform::kSocketDatagram, 17)) {
    const auto address = platform::parseIPv4(host);
    EXPECT_TRUE(address.has_value()) << host;
    EXPECT_EQ(platform::bindSocket(m_socket, {address.value_or(0), port}), 0)
        << "error " << platform::lastError();
    platform::localAddress(m_socket, m_address);
}

UdpPeer::~UdpPeer() {
    platform::closeSocket(m_socket);
}

std::optional<std::vector<std::uint8_t>> UdpPeer::receive(int timeoutMilliseconds) {
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

bool UdpPeer::quiet() {
    return platform::waitUntilReadable(m_socket, 0) == 0;
}

void UdpPeer::sendTo(platform::SocketAddress to, std::span<const std::uint8_t> bytes) {
    ASSERT_EQ(platform::sendBytesTo(m_socket, bytes, to),
              static_cast<std::ptrdiff_t>(bytes.size()));
}

}  // namespace rennlupe::support
