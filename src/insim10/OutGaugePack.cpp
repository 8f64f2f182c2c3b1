#include "insim10/OutGaugePack.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<OutGaugePack> OutGaugePack::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize && packet.size() != kSizeWithId) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    OutGaugePack out;
    out.Time = in.u32(0);
    out.Car = in.bytes<4>(4);
    out.Flags = in.u16(8);
    out.Gear = in.u8(10);
    out.PLID = in.u8(11);
    out.Speed = in.f32(12);
    out.RPM = in.f32(16);
    out.Turbo = in.f32(20);
    out.EngTemp = in.f32(24);
    out.Fuel = in.f32(28);
    out.OilPressure = in.f32(32);
    out.OilTemp = in.f32(36);
    out.DashLights = in.u32(40);
    out.ShowLights = in.u32(44);
    out.Throttle = in.f32(48);
    out.Brake = in.f32(52);
    out.Clutch = in.f32(56);
    out.Display1 = in.bytes<16>(60);
    out.Display2 = in.bytes<16>(76);
    if (packet.size() == kSizeWithId) {
        out.ID = in.i32(92);
    }
    return out;
}

std::vector<std::uint8_t> OutGaugePack::bytes() const {
    std::vector<std::uint8_t> packet(ID ? kSizeWithId : kSize);
    ByteWriter out(packet);
    out.u32(0, Time);
    out.bytes(4, Car);
    out.u16(8, Flags);
    out.u8(10, Gear);
    out.u8(11, PLID);
    out.f32(12, Speed);
    out.f32(16, RPM);
    out.f32(20, Turbo);
    out.f32(24, EngTemp);
    out.f32(28, Fuel);
    out.f32(32, OilPressure);
    out.f32(36, OilTemp);
    out.u32(40, DashLights);
    out.u32(44, ShowLights);
    out.f32(48, Throttle);
    out.f32(52, Brake);
    out.f32(56, Clutch);
    out.bytes(60, Display1);
    out.bytes(76, Display2);
    if (ID) {
        out.u32(92, static_cast<std::uint32_t>(*ID));
    }
    return packet;
}

}  // namespace rennlupe::insim10
