#include "insim10/IsLap.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsLap> IsLap::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsLap out;
    out.ReqI = in.u8(2);
    out.PLID = in.u8(3);
    out.LTime = in.u32(4);
    out.ETime = in.u32(8);
    out.LapsDone = in.u16(12);
    out.Flags = in.u16(14);
    out.Penalty = in.u8(17);
    out.NumStops = in.u8(18);
    out.Fuel200 = in.u8(19);
    return out;
}

}  // namespace rennlupe::insim10
