#include "net/GameSenders.h"

#include "platform/sockets/socket.h"

#include <algorithm>

namespace rennlupe::net {

GameSenders::GameSenders(std::uint32_t game, const std::vector<std::uint32_t>& ownAddresses)
    : m_admitted{game} {
    const bool local =
        (game & kLoopbackMask) == kLoopbackNet ||
        std::find(ownAddresses.begin(), ownAddresses.end(), game) != ownAddresses.end();
    if (local) {
        m_admitted.push_back(kLoopback);
        m_admitted.insert(m_admitted.end(), ownAddresses.begin(), ownAddresses.end());
    }
}

GameSenders GameSenders::of(std::uint32_t game) {
    return GameSenders(game, platform::ownIPv4Addresses());
}

bool GameSenders::admits(std::uint32_t sender) const {
    return std::find(m_admitted.begin(), m_admitted.end(), sender) != m_admitted.end();
}

}  // namespace rennlupe::net
