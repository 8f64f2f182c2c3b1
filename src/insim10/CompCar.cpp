#include "insim10/CompCar.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

CompCar CompCar::read(const ByteReader& in, std::size_t offset) {
    CompCar car;
    car.Node = in.u16(offset);
    car.Lap = in.u16(offset + 2);
    car.PLID = in.u8(offset + 4);
    car.Position = in.u8(offset + 5);
    car.Info = in.u8(offset + 6);
    car.X = in.i32(offset + 8);
    car.Y = in.i32(offset + 12);
    car.Z = in.i32(offset + 16);
    car.Speed = in.u16(offset + 20);
    car.Direction = in.u16(offset + 22);
    car.Heading = in.u16(offset + 24);
    car.AngVel = in.i16(offset + 26);
    return car;
}

void CompCar::write(ByteWriter& out, std::size_t offset) const {
    out.u16(offset, Node);
    out.u16(offset + 2, Lap);
    out.u8(offset + 4, PLID);
    out.u8(offset + 5, Position);
    out.u8(offset + 6, Info);
    out.u32(offset + 8, static_cast<std::uint32_t>(X));
    out.u32(offset + 12, static_cast<std::uint32_t>(Y));
    out.u32(offset + 16, static_cast<std::uint32_t>(Z));
    out.u16(offset + 20, Speed);
    out.u16(offset + 22, Direction);
    out.u16(offset + 24, Heading);
    out.u16(offset + 26, static_cast<std::uint16_t>(AngVel));
}

}  // namespace rennlupe::insim10
