#include "insim10/NodeLap.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

NodeLap NodeLap::read(const ByteReader& in, std::size_t offset) {
    return NodeLap{in.u16(offset), in.u16(offset + 2), in.u8(offset + 4), in.u8(offset + 5)};
}

}  // namespace rennlupe::insim10
