#include "insim10/IsMst.h"

#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::array<std::uint8_t, IsMst::kSize> IsMst::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, 0, 0);
    out.text(4, kSize - 5, Msg);
    return packet;
}

}  // namespace rennlupe::insim10
