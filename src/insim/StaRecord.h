#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// STA, 28 bytes:
//   0 "STA" | 3 - | 10 InGameCam | 11 ViewPlayer | 12 NumPlayers | 13 - | 15 RaceInProgress
//   16 QualMins | 17 Laps | 18 - | 20 Track text[6] | 26 Weather | 27 Wind
struct StaRecord {
    static constexpr std::size_t kSize = 28;
    static constexpr std::size_t kInGameCamOffset = 10;
    static constexpr std::size_t kViewPlayerOffset = 11;
    static constexpr std::size_t kNumPlayersOffset = 12;
    static constexpr std::size_t kRaceInProgressOffset = 15;
    static constexpr std::size_t kQualMinsOffset = 16;
    static constexpr std::size_t kLapsOffset = 17;
    static constexpr std::size_t kTrackOffset = 20;
    static constexpr std::size_t kTrackSize = 6;
    static constexpr std::size_t kWeatherOffset = 26;
    static constexpr std::size_t kWindOffset = 27;

    std::uint8_t InGameCam = 0;
    std::uint8_t ViewPlayer = 0;
    std::uint8_t NumPlayers = 0;
    std::uint8_t RaceInProgress = 0;
    std::uint8_t QualMins = 0;
    std::uint8_t Laps = 0;
    std::array<std::uint8_t, kTrackSize> Track{};
    std::uint8_t Weather = 0;
    std::uint8_t Wind = 0;

    static StaRecord read(std::span<const std::uint8_t> datagram);
    std::array<std::uint8_t, kSize> write() const;
};

}  // namespace rennlupe::insim
