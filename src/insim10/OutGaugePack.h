#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rennlupe::insim10 {

// OutGauge, 92 bytes, or 96 with ID; no InSim header:
//   0 Time u32 | 4 Car[4] | 8 Flags u16 (OG_x) | 10 Gear | 11 PLID | 12..39 seven f32, Speed to
//   OilTemp | 40 DashLights | 44 ShowLights | 48 Throttle, Brake, Clutch | 60, 76 Display[16] | 92
//   ID
struct OutGaugePack {
    static constexpr std::size_t kSize = 92;
    static constexpr std::size_t kSizeWithId = 96;
    static constexpr unsigned kDlShift = 0;  // DL_x are bit numbers, not masks

    std::uint32_t Time = 0;
    std::array<std::uint8_t, 4> Car{};
    std::uint16_t Flags = 0;  // bit 0 is the Shift key, not the shift light
    std::uint8_t Gear = 0;
    std::uint8_t PLID = 0;
    float Speed = 0.0F;
    float RPM = 0.0F;
    float Turbo = 0.0F;
    float EngTemp = 0.0F;
    float Fuel = 0.0F;
    float OilPressure = 0.0F;
    float OilTemp = 0.0F;
    std::uint32_t DashLights = 0;  // the lights this car has
    std::uint32_t ShowLights = 0;  // the lights on now
    float Throttle = 0.0F;
    float Brake = 0.0F;
    float Clutch = 0.0F;
    std::array<std::uint8_t, 16> Display1{};
    std::array<std::uint8_t, 16> Display2{};
    std::optional<std::int32_t> ID;

    static std::optional<OutGaugePack> read(std::span<const std::uint8_t> packet);
    std::vector<std::uint8_t> bytes() const;
    bool operator==(const OutGaugePack&) const = default;
    // A light (DL_x) the car has and shows now.
    bool lightOn(unsigned dl) const {
        return dl < 32 && (((DashLights & ShowLights) >> dl) & 1U) != 0;
    }
};

}  // namespace rennlupe::insim10
