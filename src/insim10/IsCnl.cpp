#include "insim10/IsCnl.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsCnl> IsCnl::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsCnl{in.u8(2), in.u8(3), in.u8(4), in.u8(5)};
}

}  // namespace rennlupe::insim10
