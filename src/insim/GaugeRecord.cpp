#include "insim/GaugeRecord.h"

#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

namespace rennlupe::insim {

GaugeRecord GaugeRecord::read(std::span<const std::uint8_t> datagram) {
    GaugeRecord record;
    record.ShiftIndicator = PacketBytes(datagram).at(kShiftIndicatorOffset);
    return record;
}

std::array<std::uint8_t, GaugeRecord::kSize> GaugeRecord::write() const {
    RecordWriter<kSize> out;
    out.set16(kTimeOffset, static_cast<std::uint16_t>(Time & 0xFFFFU));
    out.set16(kTimeOffset + 2, static_cast<std::uint16_t>(Time >> 16U));
    out.set(kShiftIndicatorOffset, ShiftIndicator);
    return out.result();
}

}  // namespace rennlupe::insim
