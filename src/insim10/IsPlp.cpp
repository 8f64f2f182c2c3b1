#include "insim10/IsPlp.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsPlp> IsPlp::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsPlp{in.u8(2), in.u8(3)};
}

}  // namespace rennlupe::insim10
