#include "insim10/IsBtn.h"

#include "bits/InvalidArgument.h"
#include "insim10/ByteWriter.h"

#include <algorithm>

namespace rennlupe::insim10 {

std::vector<std::uint8_t> IsBtn::bytes() const {
    if (ReqI == 0 || ClickID > kMaxClickId) {
        throw bits::InvalidArgument();
    }
    const std::size_t textSize = std::min(Text.size() + 4 - Text.size() % 4, kMaxText);
    std::vector<std::uint8_t> packet(12 + textSize, 0);
    ByteWriter out(packet);
    out.header(kType, ReqI, UCID);
    out.u8(4, ClickID);
    out.u8(5, Inst);
    out.u8(6, BStyle);
    out.u8(7, TypeIn);
    out.u8(8, L);
    out.u8(9, T);
    out.u8(10, W);
    out.u8(11, H);
    out.text(12, textSize, Text);
    return packet;
}

}  // namespace rennlupe::insim10
