#include "insim10/OutGaugePack.h"

#include "insim10/ByteReader.h"

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

}  // namespace rennlupe::insim10
