#include "insim10/IsRst.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsRst> IsRst::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsRst out;
    out.ReqI = in.u8(2);
    out.RaceLaps = in.u8(4);
    out.QualMins = in.u8(5);
    out.NumP = in.u8(6);
    out.Timing = in.u8(7);
    out.Track = in.bytes<6>(8);
    out.Weather = in.u8(14);
    out.Wind = in.u8(15);
    out.Flags = in.u16(16);
    out.NumNodes = in.u16(18);
    out.Finish = in.u16(20);
    out.Split1 = in.u16(22);
    out.Split2 = in.u16(24);
    out.Split3 = in.u16(26);
    return out;
}

std::array<std::uint8_t, IsRst::kSize> IsRst::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, 0);
    out.u8(4, RaceLaps);
    out.u8(5, QualMins);
    out.u8(6, NumP);
    out.u8(7, Timing);
    out.bytes(8, Track);
    out.u8(14, Weather);
    out.u8(15, Wind);
    out.u16(16, Flags);
    out.u16(18, NumNodes);
    out.u16(20, Finish);
    out.u16(22, Split1);
    out.u16(24, Split2);
    out.u16(26, Split3);
    return packet;
}

}  // namespace rennlupe::insim10
