#pragma once

#include <cstddef>
#include <cstdint>

namespace rennlupe::insim10 {

class ByteReader;
class ByteWriter;

// One car of IS_MCI, 28 bytes: 0 Node u16 | 2 Lap u16 | 4 PLID | 5 Position | 6 Info (CCI_x)
//   7 Sp3 | 8 X, 12 Y, 16 Z i32 (65536 = 1 m) | 20 Speed u16 (32768 = 100 m/s)
//   22 Direction u16 | 24 Heading u16 | 26 AngVel i16
struct CompCar {
    static constexpr std::size_t kSize = 28;

    std::uint16_t Node = 0;
    std::uint16_t Lap = 0;
    std::uint8_t PLID = 0;
    std::uint8_t Position = 0;
    std::uint8_t Info = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Z = 0;
    std::uint16_t Speed = 0;
    std::uint16_t Direction = 0;
    std::uint16_t Heading = 0;
    std::int16_t AngVel = 0;

    static CompCar read(const ByteReader& in, std::size_t offset);
    void write(ByteWriter& out, std::size_t offset) const;
    bool operator==(const CompCar&) const = default;
};

}  // namespace rennlupe::insim10
