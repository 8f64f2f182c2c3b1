#pragma once

#include "insim10/NodeLap.h"
#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_NLP, 4 + NumP * 6 bytes padded to a multiple of 4: 2 ReqI | 3 NumP | 4 + 6i NodeLap i.
// All cars of the race in one packet.
struct IsNlp {
    static constexpr std::uint8_t kType = kIspNlp;
    static constexpr std::size_t kMaxCars = 48;

    std::uint8_t ReqI = 0;
    std::uint8_t NumP = 0;
    std::array<NodeLap, kMaxCars> Info{};

    // Refuses a NumP above 48 or one whose padded length is not the packet's.
    static std::optional<IsNlp> read(std::span<const std::uint8_t> packet);
    std::span<const NodeLap> cars() const { return std::span(Info).first(NumP); }
};

}  // namespace rennlupe::insim10
