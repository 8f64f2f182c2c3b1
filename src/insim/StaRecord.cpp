#include "insim/StaRecord.h"

#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

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

std::array<std::uint8_t, StaRecord::kSize> StaRecord::write() const {
    RecordWriter<kSize> out("STA");
    out.set(kInGameCamOffset, InGameCam);
    out.set(kViewPlayerOffset, ViewPlayer);
    out.set(kNumPlayersOffset, NumPlayers);
    out.set(kRaceInProgressOffset, RaceInProgress);
    out.set(kQualMinsOffset, QualMins);
    out.set(kLapsOffset, Laps);
    out.put(kTrackOffset, kTrackSize, Track);
    out.set(kWeatherOffset, Weather);
    out.set(kWindOffset, Wind);
    return out.result();
}

}  // namespace rennlupe::insim
