#pragma once

#include <cstdint>
#include <vector>

namespace rennlupe::net {

// The senders whose datagrams count as the game's: its resolved address and,
// when the game is on this machine (a loopback address or one of the machine's
// own), 127.0.0.1 and the machine's own addresses too. Ports are not checked.
class GameSenders {
public:
    static constexpr std::uint32_t kLoopbackNet = 0x7F000000;
    static constexpr std::uint32_t kLoopbackMask = 0xFF000000;
    static constexpr std::uint32_t kLoopback = 0x7F000001;

    GameSenders() = default;  // admits nobody
    GameSenders(std::uint32_t game, const std::vector<std::uint32_t>& ownAddresses);
    // With the addresses of this machine's interfaces.
    static GameSenders of(std::uint32_t game);

    bool admits(std::uint32_t sender) const;

private:
    std::vector<std::uint32_t> m_admitted;
};

}  // namespace rennlupe::net
