#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// Gauge packet, 96 bytes, no identifier: 0 Time u32 (ms, low byte first) | 4 -
//   8 ShiftIndicator (the lamp flags: bit 1 is the shift light) | 9 -
// The program reads only ShiftIndicator; Time is there for the writer.
struct GaugeRecord {
    static constexpr std::size_t kSize = 96;
    static constexpr std::size_t kTimeOffset = 0;
    static constexpr std::size_t kShiftIndicatorOffset = 8;

    std::uint32_t Time = 0;
    std::uint8_t ShiftIndicator = 0;

    static GaugeRecord read(std::span<const std::uint8_t> datagram);
    std::array<std::uint8_t, kSize> write() const;
};

}  // namespace rennlupe::insim
