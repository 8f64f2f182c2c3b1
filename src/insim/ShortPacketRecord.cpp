#include "insim/ShortPacketRecord.h"

#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

namespace rennlupe::insim {

ShortPacketRecord ShortPacketRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    ShortPacketRecord record;
    record.Parameter1 = bytes.at(kParameter1Offset);
    record.Parameter2 = bytes.at(kParameter2Offset);
    record.Parameter3 = bytes.at(kParameter3Offset);
    return record;
}

std::array<std::uint8_t, ShortPacketRecord::kSize> ShortPacketRecord::write(
    std::string_view identifier) const {
    RecordWriter<kSize> out(identifier);
    out.set(kParameter1Offset, Parameter1);
    out.set(kParameter2Offset, Parameter2);
    out.set(kParameter3Offset, Parameter3);
    return out.result();
}

}  // namespace rennlupe::insim
