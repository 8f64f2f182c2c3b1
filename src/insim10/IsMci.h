#pragma once

#include "insim10/CompCar.h"
#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rennlupe::insim10 {

// IS_MCI, 4 + NumC * 28 bytes: 2 ReqI | 3 NumC | 4 + 28i CompCar i. More than 16 cars come
// as several packets, from the car with CCI_FIRST to the one with CCI_LAST.
struct IsMci {
    static constexpr std::uint8_t kType = kIspMci;
    static constexpr std::size_t kMaxCars = 16;

    std::uint8_t ReqI = 0;
    std::uint8_t NumC = 0;
    std::array<CompCar, kMaxCars> Info{};

    // Refuses a NumC above 16 or one that disagrees with the packet's length.
    static std::optional<IsMci> read(std::span<const std::uint8_t> packet);
    std::vector<std::uint8_t> bytes() const;
    bool operator==(const IsMci&) const = default;
    std::span<const CompCar> cars() const { return std::span(Info).first(NumC); }
};

}  // namespace rennlupe::insim10
