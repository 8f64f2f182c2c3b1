#include "insim10/IsPlp.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsPlp> IsPlp::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsPlp{in.u8(2), in.u8(3)};
}

std::array<std::uint8_t, IsPlp::kSize> IsPlp::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter(packet).header(kType, ReqI, PLID);
    return packet;
}

}  // namespace rennlupe::insim10
