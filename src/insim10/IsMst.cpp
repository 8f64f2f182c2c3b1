#include "insim10/IsMst.h"

#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::array<std::uint8_t, IsMst::kSize> IsMst::bytes() const {
    return messagePacket<kSize>(kType, Msg);
}

}  // namespace rennlupe::insim10
