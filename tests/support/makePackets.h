#pragma once

#include "insim/MciCar.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

// Datagrams as the game sends them, built from the record layouts.
namespace rennlupe::support {

inline std::vector<std::uint8_t> packetOf(std::string_view id, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    std::copy(id.begin(), id.end(), bytes.begin());
    return bytes;
}

inline void putText(std::vector<std::uint8_t>& bytes, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

inline std::vector<std::uint8_t> verPacket(std::string_view product, std::string_view version) {
    auto bytes = packetOf("VER", insim::VerRecord::kSize);
    putText(bytes, insim::VerRecord::kProductOffset, product);
    putText(bytes, insim::VerRecord::kVersionOffset, version);
    return bytes;
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
    using insim::StaRecord;
    auto bytes = packetOf("STA", StaRecord::kSize);
    bytes[StaRecord::kInGameCamOffset] = f.inGameCam;
    bytes[StaRecord::kViewPlayerOffset] = f.viewPlayer;
    bytes[StaRecord::kNumPlayersOffset] = f.numPlayers;
    bytes[StaRecord::kRaceInProgressOffset] = f.raceInProgress;
    bytes[StaRecord::kQualMinsOffset] = f.qualMins;
    bytes[StaRecord::kLapsOffset] = f.laps;
    putText(bytes, StaRecord::kTrackOffset, f.track);
    bytes[StaRecord::kWeatherOffset] = f.weather;
    bytes[StaRecord::kWindOffset] = f.wind;
    return bytes;
}

inline std::vector<std::uint8_t> nplPacket(std::uint8_t playerNumber, std::uint8_t uniqueId,
                                           std::string_view name, std::string_view second) {
    using insim::NplRecord;
    auto bytes = packetOf("NPL", NplRecord::kSize);
    putText(bytes, NplRecord::kPlayerNameOffset, name);
    putText(bytes, NplRecord::kSecondNameOffset, second);
    bytes[NplRecord::kUniqueIdOffset] = uniqueId;
    bytes[NplRecord::kPlayerNumberOffset] = playerNumber;
    return bytes;
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
    using insim::MciCar;
    using insim::MciRecord;
    auto bytes = packetOf("MCI", MciRecord::kSize);
    bytes[MciRecord::kNumNodesOffset] = static_cast<std::uint8_t>(numNodes & 0xFF);
    bytes[MciRecord::kNumNodesOffset + 1] = static_cast<std::uint8_t>(numNodes >> 8);
    bytes[MciRecord::kFinishNodeOffset] = static_cast<std::uint8_t>(finishNode & 0xFF);
    bytes[MciRecord::kFinishNodeOffset + 1] = static_cast<std::uint8_t>(finishNode >> 8);
    bytes[MciRecord::kNumPlayersOffset] = numPlayers;
    bytes[MciRecord::kFirstCarOffset] = firstCar;
    for (std::size_t k = 0; k < cars.size() && k < MciRecord::kCarCount; ++k) {
        const std::size_t at = MciRecord::kCarsOffset + MciCar::kSize * k;
        bytes[at + MciCar::kNodeLowOffset] = static_cast<std::uint8_t>(cars[k].node & 0xFF);
        bytes[at + MciCar::kNodeHighOffset] =
            static_cast<std::uint8_t>((cars[k].node >> 8) | cars[k].flags);
        bytes[at + MciCar::kLapOffset] = cars[k].lap;
        bytes[at + MciCar::kPlayerIdOffset] = cars[k].plid;
    }
    return bytes;
}

}  // namespace rennlupe::support
