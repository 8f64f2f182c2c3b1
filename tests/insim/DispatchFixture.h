#pragma once

#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "support/ManualClock.h"
#include "support/RecordingDispatchHost.h"

#include <cstdint>
#include <vector>

namespace rennlupe::insim {

// A dispatcher over a recording host, fed as the socket feeds it: 1,025
// zero-filled bytes with the upper index 1024.
struct DispatchFixture {
    RaceState state;
    support::RecordingDispatchHost host;
    support::ManualClock clock{36000.0};
    PacketDispatcher dispatcher{state, host, clock};

    void dispatch(const std::vector<std::uint8_t>& datagram) {
        std::vector<std::uint8_t> buffer(PacketDispatcher::kBufferSize, 0);
        std::copy_n(datagram.begin(), std::min(datagram.size(), buffer.size()), buffer.begin());
        dispatcher.DispatchPacket(buffer, 1024);
    }

    std::int16_t key(std::size_t row) const {
        const auto* k = state.standings()[row][RaceState::kNodeKey].get<std::int16_t>();
        return k != nullptr ? *k : std::int16_t{0};
    }
    std::int16_t plid(std::size_t row) const {
        const auto* p = state.standings()[row][RaceState::kPlid].get<std::int16_t>();
        return p != nullptr ? *p : std::int16_t{0};
    }
};

}  // namespace rennlupe::insim
