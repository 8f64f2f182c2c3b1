#pragma once

#include "bits/Clock.h"
#include "insim/DispatchHost.h"
#include "insim/GapDisplay.h"
#include "insim/NodeLogLookup.h"
#include "insim/RaceState.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// Turns each datagram from the game into race state, display texts and
// request packets. A failing step ends that datagram's handling; what was
// written before it stays, and the caller decides whether to report it.
class PacketDispatcher {
public:
    static constexpr std::size_t kBufferSize = 1025;

    PacketDispatcher(RaceState& state, DispatchHost& host, const bits::Clock& clock);
    // The same with another way of finding node passages (the plain scan, say).
    PacketDispatcher(RaceState& state, DispatchHost& host, const bits::Clock& clock,
                     const NodeLogLookup& lookup);

    // length is the buffer's upper index: elements 0 to length are copied,
    // as far as the buffer holds them, into a zero-filled 1,025-byte copy.
    void DispatchPacket(std::span<const std::uint8_t> buffer, std::int32_t length);

    GapDisplay& gapDisplay() noexcept { return m_gaps; }

private:
    using Buffer = std::span<const std::uint8_t, kBufferSize>;

    void handleVer(Buffer bytes);
    void handleSta(Buffer bytes);
    void handleNpl(Buffer bytes);
    void handleMci(Buffer bytes);
    void handleGauge(Buffer bytes);
    void pumpOnce();

    RaceState& m_state;
    DispatchHost& m_host;
    const bits::Clock& m_clock;
    GapDisplay m_gaps;
    bool m_pumping = false;
};

}  // namespace rennlupe::insim
