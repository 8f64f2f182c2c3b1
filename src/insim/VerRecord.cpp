#include "insim/VerRecord.h"

#include "insim/PacketBytes.h"

namespace rennlupe::insim {

VerRecord VerRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    VerRecord record;
    record.Version = bytes.field<kVersionSize>(kVersionOffset);
    record.Product = bytes.field<kProductSize>(kProductOffset);
    return record;
}

}  // namespace rennlupe::insim
