#include "insim10/PacketDecoder.h"

namespace rennlupe::insim10 {
namespace {

using Bytes = std::span<const std::uint8_t>;

template <typename Layout>
bool readLayout(std::uint8_t type, Bytes packet, std::optional<Packet>& out) {
    if (type != Layout::kType) {
        return false;
    }
    if (const std::optional<Layout> layout = Layout::read(packet)) {
        out.emplace(std::in_place_type<Layout>, *layout);
    }
    return true;
}

// Reads the packet with the layout of its Type; false when no layout has that Type.
template <typename... Layout>
bool readAnyLayout(std::uint8_t type, Bytes packet, std::optional<Packet>& out) {
    return (readLayout<Layout>(type, packet, out) || ...);
}

std::optional<Packet> readInSim(Bytes datagram, DropReason& why) {
    std::optional<Packet> out;
    if (datagram.size() < 4) {
        why = DropReason::TooShort;
    } else if (datagram[0] == 0) {
        why = DropReason::SizeZero;
    } else if (std::size_t{datagram[0]} * 4 != datagram.size()) {
        why = DropReason::SizeMismatch;
    } else if (!readAnyLayout<IsVer, IsTiny, IsSmall, IsSta, IsNpl, IsPlp, IsPll, IsCnl, IsCrs,
                              IsRst, IsMci, IsNlp, IsLap, IsSpx, IsBfn, IsBtc, IsMso>(
                   datagram[1], datagram, out)) {
        why = DropReason::UnknownType;
    } else {
        why = DropReason::Refused;
    }
    return out;
}

}  // namespace

std::optional<Packet> PacketDecoder::decode(std::span<const std::uint8_t> datagram) noexcept {
    DropReason why = DropReason::TooShort;
    std::optional<Packet> packet = readInSim(datagram, why);
    if (!packet) {
        if (const std::optional<OutGaugePack> gauge = OutGaugePack::read(datagram)) {
            packet.emplace(std::in_place_type<OutGaugePack>, *gauge);
        } else {
            ++m_dropped[static_cast<std::size_t>(why)];
        }
    }
    return packet;
}

}  // namespace rennlupe::insim10
