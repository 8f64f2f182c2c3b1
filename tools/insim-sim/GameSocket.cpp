#include "insim-sim/GameSocket.h"

#include <array>
#include <utility>

namespace rennlupe::tools {
namespace {
constexpr std::size_t kReceiveSize = 1024;
}  // namespace

GameSocket::~GameSocket() {
    if (m_socket != platform::kInvalidSocket) {
        m_loop.unwatch(m_socket);
        platform::closeSocket(m_socket);
    }
}

bool GameSocket::open(const std::string& bind, std::uint16_t port, Handler handler) {
    m_handler = std::move(handler);
    const auto address = platform::parseIPv4(bind);
    m_socket = platform::openSocket(platform::kSocketDatagram, 0);
    if (!address || m_socket == platform::kInvalidSocket ||
        platform::setNonBlocking(m_socket) != 0 ||
        platform::bindSocket(m_socket, {*address, port}) != 0 ||
        platform::localAddress(m_socket, m_local) != 0) {
        say("cannot listen on " + bind + ":" + std::to_string(port) + " (error " +
            std::to_string(platform::lastError()) + ")");
        return false;
    }
    m_loop.watch(m_socket, platform::SocketRole::Datagram, platform::EventLoop::kRead,
                 [this](platform::EventLoop::Descriptor, int) { onReadable(); });
    say("listening " + addressText(m_local));
    return true;
}

void GameSocket::onReadable() {
    std::array<std::uint8_t, kReceiveSize> buffer{};
    platform::SocketAddress from{};
    for (;;) {
        const std::ptrdiff_t received = platform::receiveFrom(m_socket, buffer, from);
        if (received < 0) {
            break;
        }
        m_handler(std::span(buffer).first(static_cast<std::size_t>(received)), from);
    }
    m_loop.rearm(m_socket, platform::EventLoop::kRead);
}

void GameSocket::sendTo(std::span<const std::uint8_t> bytes, platform::SocketAddress to) {
    platform::sendBytesTo(m_socket, bytes, to);
}

void GameSocket::say(const std::string& line) {
    m_out << line << std::endl;
}

std::string addressText(platform::SocketAddress address) {
    return platform::formatIPv4(address.address) + ":" + std::to_string(address.port);
}

}  // namespace rennlupe::tools
