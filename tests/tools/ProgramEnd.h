#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/sockets/SocketAddress.h"
#include "support/UdpPeer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace rennlupe::tools {

// The program's side in a test: it sends from one loopback socket and reads
// the answers on another, without blocking the loop that runs the game.
class ProgramEnd {
public:
    using Datagram = std::vector<std::uint8_t>;

    std::uint16_t receivePort() const { return m_receiver.address().port; }
    void sendTo(platform::SocketAddress game, std::span<const std::uint8_t> bytes);
    void sendIsi(platform::SocketAddress game, std::string_view password);
    void sendShort(platform::SocketAddress game, std::string_view id, std::uint8_t p1 = 0);

    // Runs the loop, collecting what arrives, until done() holds for the
    // collected datagrams or about five seconds have passed.
    bool runUntil(platform::EventLoop& loop, const std::function<bool()>& done);
    // Runs the loop for a few rounds of the game's stream and keeps what came.
    void runRounds(platform::EventLoop& loop, int rounds);
    void collect();

    std::vector<Datagram>& received() { return m_received; }
    std::size_t count(std::string_view id) const;
    // Datagrams that reached the sending socket: the game should send none.
    std::size_t strayCount();

private:
    support::UdpPeer m_sender;
    support::UdpPeer m_receiver;
    std::vector<Datagram> m_received;
};

bool hasId(const ProgramEnd::Datagram& datagram, std::string_view id);

}  // namespace rennlupe::tools
