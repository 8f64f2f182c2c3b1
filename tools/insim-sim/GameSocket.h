#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/sockets/socket.h"
#include "platform/sockets/SocketAddress.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>

namespace rennlupe::tools {

// The stand-in game's datagram socket, for either generation: bound and watched on the loop,
// every datagram handed on with its sender, and the game's lines written to its output.
class GameSocket {
public:
    using Handler =
        std::function<void(std::span<const std::uint8_t> datagram, platform::SocketAddress from)>;

    GameSocket(platform::EventLoop& loop, std::ostream& out) : m_loop(loop), m_out(out) {}
    ~GameSocket();
    GameSocket(const GameSocket&) = delete;
    GameSocket& operator=(const GameSocket&) = delete;

    // Binds and watches the socket; false (and a line saying why) when it cannot.
    bool open(const std::string& bind, std::uint16_t port, Handler handler);
    platform::SocketAddress local() const { return m_local; }
    void sendTo(std::span<const std::uint8_t> bytes, platform::SocketAddress to);
    void say(const std::string& line);

private:
    void onReadable();

    platform::EventLoop& m_loop;
    std::ostream& m_out;
    Handler m_handler;
    platform::NativeSocket m_socket = platform::kInvalidSocket;
    platform::SocketAddress m_local{};
};

// "127.0.0.1:29999"
std::string addressText(platform::SocketAddress address);

}  // namespace rennlupe::tools
