#include "insim/StaRecord.h"

#include "insim/PacketBytes.h"

namespace rennlupe::insim {

StaRecord StaRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    StaRecord record;
    record.InGameCam = bytes.at(kInGameCamOffset);
    record.ViewPlayer = bytes.at(kViewPlayerOffset);
    record.NumPlayers = bytes.at(kNumPlayersOffset);
    record.RaceInProgress = bytes.at(kRaceInProgressOffset);
    record.QualMins = bytes.at(kQualMinsOffset);
    record.Laps = bytes.at(kLapsOffset);
    record.Track = bytes.field<kTrackSize>(kTrackOffset);
    record.Weather = bytes.at(kWeatherOffset);
    record.Wind = bytes.at(kWindOffset);
    return record;
}

}  // namespace rennlupe::insim
