#include "insim10/RaceFeed.h"

#include "insim10/CompCarInfo.h"
#include "insim10/GameText.h"
#include "insim10/TinyTypes.h"

#include <cstddef>
#include <cstdint>

namespace rennlupe::insim10 {

namespace {

constexpr std::uint8_t kPTypeAi = 0x2;

race::CarSample sampleOf(const CompCar& car) {
    return {.plid = car.PLID,
            .node = car.Node,
            .lap = car.Lap,
            .position = car.Position,
            .x = car.X,
            .y = car.Y,
            .z = car.Z,
            .speed = car.Speed,
            .direction = car.Direction,
            .first = (car.Info & kCciFirst) != 0,
            .last = (car.Info & kCciLast) != 0};
}

void feedNlp(const IsNlp& nlp, race::RaceModel& model) {
    const auto cars = nlp.cars();
    for (std::size_t i = 0; i < cars.size(); ++i) {
        model.apply(race::CarSample{.plid = cars[i].PLID,
                                    .node = cars[i].Node,
                                    .lap = cars[i].Lap,
                                    .position = cars[i].Position,
                                    .first = i == 0,
                                    .last = i + 1 == cars.size()});
    }
}

}  // namespace

bool feedRace(const Packet& packet, race::RaceModel& model) {
    if (const auto* mci = std::get_if<IsMci>(&packet)) {
        for (const CompCar& car : mci->cars()) {
            model.apply(sampleOf(car));
        }
    } else if (const auto* nlp = std::get_if<IsNlp>(&packet)) {
        feedNlp(*nlp, model);
    } else if (const auto* sta = std::get_if<IsSta>(&packet)) {
        model.apply(race::ViewedCar{.plid = sta->ViewPLID});
    } else if (const auto* npl = std::get_if<IsNpl>(&packet); npl != nullptr && npl->NumP != 0) {
        model.apply(race::PlayerJoined{.plid = npl->PLID,
                                       .connection = npl->UCID,
                                       .name = decodeGameText(npl->PName),
                                       .ai = (npl->PType & kPTypeAi) != 0,
                                       .numberInRace = npl->NumP});
    } else if (const auto* plp = std::get_if<IsPlp>(&packet)) {
        model.apply(race::PlayerPitted{.plid = plp->PLID});
    } else if (const auto* pll = std::get_if<IsPll>(&packet)) {
        model.apply(race::PlayerLeft{.plid = pll->PLID});
    } else if (const auto* cnl = std::get_if<IsCnl>(&packet)) {
        model.apply(race::ConnectionLeft{.connection = cnl->UCID});
    } else if (const auto* rst = std::get_if<IsRst>(&packet)) {
        model.apply(race::RaceStarted{.numNodes = rst->NumNodes,
                                      .finishNode = rst->Finish,
                                      .splitNodes = {rst->Split1, rst->Split2, rst->Split3},
                                      .laps = rst->RaceLaps});
    } else if (const auto* tiny = std::get_if<IsTiny>(&packet);
               tiny != nullptr && (tiny->SubT == kTinyClr || tiny->SubT == kTinyMpe)) {
        model.apply(race::FieldCleared{});
    } else {
        return false;
    }
    return true;
}

}  // namespace rennlupe::insim10
