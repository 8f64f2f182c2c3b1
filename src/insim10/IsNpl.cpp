#include "insim10/IsNpl.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsNpl> IsNpl::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsNpl out;
    out.ReqI = in.u8(2);
    out.PLID = in.u8(3);
    out.UCID = in.u8(4);
    out.PType = in.u8(5);
    out.Flags = in.u16(6);
    out.PName = in.bytes<24>(8);
    out.Plate = in.bytes<8>(32);
    out.CName = in.bytes<4>(40);
    out.SName = in.bytes<16>(44);
    out.Tyres = in.bytes<4>(60);
    out.H_Mass = in.u8(64);
    out.H_TRes = in.u8(65);
    out.Model = in.u8(66);
    out.Pass = in.u8(67);
    out.RWAdj = in.u8(68);
    out.FWAdj = in.u8(69);
    out.RIFlags = in.u8(70);
    out.SetF = in.u8(72);
    out.NumP = in.u8(73);
    out.Config = in.u8(74);
    out.Fuel = in.u8(75);
    return out;
}

std::array<std::uint8_t, IsNpl::kSize> IsNpl::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, PLID);
    out.u8(4, UCID);
    out.u8(5, PType);
    out.u16(6, Flags);
    out.bytes(8, PName);
    out.bytes(32, Plate);
    out.bytes(40, CName);
    out.bytes(44, SName);
    out.bytes(60, Tyres);
    out.u8(64, H_Mass);
    out.u8(65, H_TRes);
    out.u8(66, Model);
    out.u8(67, Pass);
    out.u8(68, RWAdj);
    out.u8(69, FWAdj);
    out.u8(70, RIFlags);
    out.u8(72, SetF);
    out.u8(73, NumP);
    out.u8(74, Config);
    out.u8(75, Fuel);
    return packet;
}

}  // namespace rennlupe::insim10
