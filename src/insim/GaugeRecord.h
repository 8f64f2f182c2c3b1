#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// Gauge packet, 96 bytes, no identifier: 0 - | 8 ShiftIndicator | 9 -
struct GaugeRecord {
    static constexpr std::size_t kSize = 96;
    static constexpr std::size_t kShiftIndicatorOffset = 8;

    std::uint8_t ShiftIndicator = 0;

    static GaugeRecord read(std::span<const std::uint8_t> datagram);
};

}  // namespace rennlupe::insim
