#include "insim10/IsSta.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsSta> IsSta::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsSta out;
    out.ReqI = in.u8(2);
    out.ReplaySpeed = in.f32(4);
    out.Flags = in.u16(8);
    out.InGameCam = in.u8(10);
    out.ViewPLID = in.u8(11);
    out.NumP = in.u8(12);
    out.NumConns = in.u8(13);
    out.NumFinished = in.u8(14);
    out.RaceInProg = in.u8(15);
    out.QualMins = in.u8(16);
    out.RaceLaps = in.u8(17);
    out.ServerStatus = in.u8(19);
    out.Track = in.bytes<6>(20);
    out.Weather = in.u8(26);
    out.Wind = in.u8(27);
    return out;
}

std::array<std::uint8_t, IsSta::kSize> IsSta::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, 0);
    out.f32(4, ReplaySpeed);
    out.u16(8, Flags);
    out.u8(10, InGameCam);
    out.u8(11, ViewPLID);
    out.u8(12, NumP);
    out.u8(13, NumConns);
    out.u8(14, NumFinished);
    out.u8(15, RaceInProg);
    out.u8(16, QualMins);
    out.u8(17, RaceLaps);
    out.u8(19, ServerStatus);
    out.bytes(20, Track);
    out.u8(26, Weather);
    out.u8(27, Wind);
    return packet;
}

}  // namespace rennlupe::insim10
