#include "insim10/IsIsi.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

#include <algorithm>

namespace rennlupe::insim10 {
namespace {

template <std::size_t Width>
std::string textOf(const std::array<std::uint8_t, Width>& field) {
    return {field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0})};
}

}  // namespace

std::optional<IsIsi> IsIsi::read(std::span<const std::uint8_t> packet) {
    const ByteReader in(packet);
    if (packet.size() != kSize || in.u8(0) != kSize / 4 || in.u8(1) != kType) {
        return std::nullopt;
    }
    return IsIsi{in.u8(2),
                 in.u16(4),
                 in.u16(6),
                 in.u8(8),
                 in.u8(9),
                 in.u16(10),
                 textOf(in.bytes<16>(12)),
                 textOf(in.bytes<16>(28))};
}

std::array<std::uint8_t, IsIsi::kSize> IsIsi::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, 0);
    out.u16(4, UDPPort);
    out.u16(6, Flags);
    out.u8(8, InSimVer);
    out.u8(9, Prefix);
    out.u16(10, Interval);
    out.text(12, 16, Admin);
    out.text(28, 16, IName);
    return packet;
}

}  // namespace rennlupe::insim10
