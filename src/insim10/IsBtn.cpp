#include "insim10/IsBtn.h"

#include "bits/InvalidArgument.h"
#include "insim10/ByteReader.h"
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

std::optional<IsBtn> IsBtn::read(std::span<const std::uint8_t> packet) {
    if (packet.size() < 12 || packet.size() > 12 + kMaxText || packet.size() % 4 != 0) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    const auto text = packet.subspan(12);
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return IsBtn{in.u8(2),
                 in.u8(3),
                 in.u8(4),
                 in.u8(5),
                 in.u8(6),
                 in.u8(7),
                 in.u8(8),
                 in.u8(9),
                 in.u8(10),
                 in.u8(11),
                 std::string(text.begin(), end)};
}

}  // namespace rennlupe::insim10
