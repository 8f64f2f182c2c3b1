#pragma once

#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// Datagrams as the game sends them, written by the records' own writers; the
// readers' offsets are pinned separately against counting bytes.
namespace rennlupe::support {

inline std::vector<std::uint8_t> packetOf(std::string_view id, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    std::copy(id.begin(), id.end(), bytes.begin());
    return bytes;
}

inline void putText(std::vector<std::uint8_t>& bytes, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <std::size_t N>
std::array<std::uint8_t, N> field(std::string_view text) {
    std::array<std::uint8_t, N> bytes{};
    std::copy_n(text.begin(), std::min(N, text.size()), bytes.begin());
    return bytes;
}

template <std::size_t N>
std::vector<std::uint8_t> vectorOf(const std::array<std::uint8_t, N>& bytes) {
    return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> verPacket(std::string_view product, std::string_view version) {
    return vectorOf(insim::VerRecord{.Version = field<insim::VerRecord::kVersionSize>(version),
                                     .Product = field<insim::VerRecord::kProductSize>(product)}
                        .write());
}

struct StaFields {
    std::uint8_t inGameCam = 0;
    std::uint8_t viewPlayer = 0;
    std::uint8_t numPlayers = 0;
    std::uint8_t raceInProgress = 0;
    std::uint8_t qualMins = 0;
    std::uint8_t laps = 0;
    std::string_view track{};
    std::uint8_t weather = 0;
    std::uint8_t wind = 0;
};

inline std::vector<std::uint8_t> staPacket(const StaFields& f) {
    return vectorOf(
        insim::StaRecord{f.inGameCam, f.viewPlayer, f.numPlayers, f.raceInProgress, f.qualMins,
                         f.laps, field<insim::StaRecord::kTrackSize>(f.track), f.weather, f.wind}
            .write());
}

inline std::vector<std::uint8_t> nplPacket(std::uint8_t playerNumber, std::uint8_t uniqueId,
                                           std::string_view name, std::string_view second) {
    using insim::NplRecord;
    return vectorOf(NplRecord{field<NplRecord::kPlayerNameSize>(name),
                              field<NplRecord::kSecondNameSize>(second), uniqueId, playerNumber}
                        .write());
}

struct CarFields {
    std::uint8_t plid = 0;
    std::uint16_t node = 0;
    std::uint8_t lap = 0;
    std::uint8_t flags = 0;  // bits 6 to 8 of the node's high byte
};

inline std::vector<std::uint8_t> mciPacket(std::uint8_t numPlayers, std::uint8_t firstCar,
                                           std::uint16_t finishNode,
                                           const std::vector<CarFields>& cars,
                                           std::uint16_t numNodes = 600) {
    const auto lowHigh = [](std::uint16_t v) {
        return std::array{static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
    };
    insim::MciRecord mci{lowHigh(numNodes), lowHigh(finishNode), numPlayers, firstCar, {}};
    std::array<std::uint8_t, insim::MciRecord::kCarCount> flags{};
    for (std::size_t k = 0; k < cars.size() && k < flags.size(); ++k) {
        mci.Cars[k] = {static_cast<std::int16_t>(cars[k].node), cars[k].lap, cars[k].plid};
        flags[k] = cars[k].flags;
    }
    return vectorOf(mci.write(flags));
}

}  // namespace rennlupe::support
