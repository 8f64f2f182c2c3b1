#include "insim10/IsSpx.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsSpx> IsSpx::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsSpx out;
    out.ReqI = in.u8(2);
    out.PLID = in.u8(3);
    out.STime = in.u32(4);
    out.ETime = in.u32(8);
    out.Split = in.u8(12);
    out.Penalty = in.u8(13);
    out.NumStops = in.u8(14);
    out.Fuel200 = in.u8(15);
    return out;
}

}  // namespace rennlupe::insim10
