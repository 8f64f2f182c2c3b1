#include "net/GameSenders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace rennlupe::net {
namespace {

// A game elsewhere is only its own address; a game on this machine, named by
// a loopback address or one of the machine's, also 127.0.0.1 and those addresses.
TEST(GameSenders, AdmitTheGameAndForALocalGameThisMachinesAddresses) {
    constexpr std::uint32_t kLan = 0xC0A80114;  // 192.168.1.20, this machine's
    const std::vector<std::uint32_t> senders{0xC0A80115, kLan, GameSenders::kLoopback, 0x7F000002,
                                             0x7F000003};
    for (const auto& [game, admitted] : std::vector<std::pair<std::uint32_t, std::vector<bool>>>{
             {0xC0A80115, {true, false, false, false, false}},
             {kLan, {false, true, true, false, false}},
             {0x7F000002, {false, true, true, true, false}}}) {
        const GameSenders gameSenders(game, {GameSenders::kLoopback, kLan});
        for (std::size_t i = 0; i < senders.size(); ++i) {
            EXPECT_EQ(gameSenders.admits(senders[i]), admitted[i]) << game << " " << senders[i];
        }
    }
    EXPECT_FALSE(GameSenders().admits(GameSenders::kLoopback));
}

}  // namespace
}  // namespace rennlupe::net
