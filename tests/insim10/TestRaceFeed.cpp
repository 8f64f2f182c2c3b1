#include "insim10/CompCarInfo.h"
#include "insim10/PacketDecoder.h"
#include "insim10/RaceFeed.h"
#include "insim10/TinyTypes.h"

#include "hexBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::insim10 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Fields = std::vector<std::pair<std::size_t, int>>;

// A packet with the given fields, in rising offsets, each little-endian over two bytes.
Bytes make(std::size_t size, int type, const Fields& fields) {
    Bytes bytes(size + 1);
    bytes[0] = static_cast<std::uint8_t>(size / 4);
    bytes[1] = static_cast<std::uint8_t>(type);
    for (const auto& [at, value] : fields) {
        bytes[at] = static_cast<std::uint8_t>(value);
        bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    bytes.pop_back();
    return bytes;
}
// A driver of the AI (PType 2) named "^Eb" 0xe8 "ka": "b", c with caron, "ka" in code page ^E.
Bytes npl(int plid, int ucid, int numP = 1) {
    return make(
        76, kIspNpl,
        {{3, plid}, {4, ucid}, {5, 2}, {8, 0x455e}, {10, 0xe862}, {12, 0x616b}, {73, numP}});
}

void play(race::RaceModel& model, const std::vector<Bytes>& datagrams) {
    PacketDecoder decoder;
    for (const Bytes& datagram : datagrams) {
        feedRace(decoder.decode(datagram).value(), model);
    }
}

// Twenty cars, 1 and 2 of connection 7, on 300 nodes with the finish at node 100, in order
// 20 to 1 by the game's positions, from one MCI set of two packets (16 and 4 cars); 2 is viewed.
race::RaceModel field() {
    race::RaceModel model([] { return 0.0; });
    std::vector<Bytes> datagrams{make(28, kIspRst, {{18, 300}, {20, 100}})};
    Bytes mci[2] = {make(452, kIspMci, {{3, 16}}), make(116, kIspMci, {{3, 4}})};
    for (int plid = 1; plid <= 20; ++plid) {
        datagrams.push_back(npl(plid, plid < 3 ? 7 : plid + 7));
        std::uint8_t* car = &mci[plid > 16][4 + 28 * static_cast<std::size_t>((plid - 1) % 16)];
        car[0] = static_cast<std::uint8_t>(plid == 1 ? 90 : 121 - plid);
        car[2] = 1;
        car[4] = static_cast<std::uint8_t>(plid);
        car[5] = static_cast<std::uint8_t>(21 - plid);
        car[6] = plid == 1 ? kCciFirst : (plid == 20 ? kCciLast : std::uint8_t{0});
    }
    play(model, datagrams);
    play(model, {mci[0], mci[1], make(28, kIspSta, {{11, 2}})});
    return model;
}

// What, the datagrams after the field's, and the answers: cars in order, the viewed car, and
// the cars ahead of and behind car 2.
using FeedCase = std::tuple<const char*, std::vector<Bytes>, std::vector<int>>;

TEST(RaceFeed, PacketsChangeTheFieldAsTheGameMeansThem) {
    const FeedCase cases[] = {
        {"the field", {}, {20, 2, 3, 1}},
        {"a pit", {make(4, kIspPlp, {{3, 1}})}, {19, 2, 3, 0}},
        {"a leave", {make(4, kIspPll, {{3, 2}})}, {19, 0, 0, 0}},
        {"a connection leave", {make(8, kIspCnl, {{3, 7}})}, {18, 0, 0, 0}},
        {"a clear", {make(4, kIspTiny, {{3, kTinyClr}})}, {0, 0, 0, 0}},
        {"multiplayer ended", {make(4, kIspTiny, {{3, kTinyMpe}})}, {0, 0, 0, 0}},
        {"a keep-alive", {make(4, kIspTiny, {})}, {20, 2, 3, 1}},
        {"a join request", {npl(21, 30, 0), make(12, kIspNlp, {{3, 1}, {8, 21}})}, {20, 2, 3, 1}},
        // Node, lap, PLID and position of cars 3, 2 and 1.
        {"NLP of three cars",
         {hexBytes("0625 0003 c800 0200 0313 9600 0200 0212 5a00 0100 0114 0000")},
         {20, 2, 4, 3}},
    };
    for (const auto& [what, datagrams, answers] : cases) {
        race::RaceModel model = field();
        play(model, datagrams);
        const auto plid = [](const race::Car* car) { return car == nullptr ? 0 : car->plid; };
        EXPECT_EQ((std::vector<int>{static_cast<int>(model.order().size()), plid(model.viewed()),
                                    plid(model.ahead(2)), plid(model.behind(2))}),
                  answers)
            << what;
    }
    const race::RaceModel model = field();
    EXPECT_EQ(model.car(2)->name(), "b\u010dka");
    EXPECT_TRUE(model.car(2)->ai);
    EXPECT_EQ(model.progress(1), 1 * 300 + 289);  // node 90 counted from node 101
}

}  // namespace
}  // namespace rennlupe::insim10
