#include "insim10/CompCar.h"

#include "insim10/ByteReader.h"

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

}  // namespace rennlupe::insim10
