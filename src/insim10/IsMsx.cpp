#include "insim10/IsMsx.h"

#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::array<std::uint8_t, IsMsx::kSize> IsMsx::bytes() const {
    return messagePacket<kSize>(kType, Msg);
}

}  // namespace rennlupe::insim10
