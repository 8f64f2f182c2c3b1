#include "insim/VerRecord.h"

#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

namespace rennlupe::insim {

VerRecord VerRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    VerRecord record;
    record.Version = bytes.field<kVersionSize>(kVersionOffset);
    record.Product = bytes.field<kProductSize>(kProductOffset);
    return record;
}

std::array<std::uint8_t, VerRecord::kSize> VerRecord::write() const {
    RecordWriter<kSize> out("VER");
    out.put(kVersionOffset, kVersionSize, Version);
    out.put(kProductOffset, kProductSize, Product);
    return out.result();
}

}  // namespace rennlupe::insim
