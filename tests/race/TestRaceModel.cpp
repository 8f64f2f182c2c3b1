#include "race/RaceModel.h"

#include "race/GapLines.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace rennlupe::race {
namespace {

using Event = std::variant<PlayerJoined, PlayerPitted, PlayerLeft, ConnectionLeft, FieldCleared,
                           RaceStarted, ViewedCar, CarSample>;
using Plids = std::vector<std::uint8_t>;
enum Mark { kInside, kFirst, kLast, kWhole };

CarSample at(int plid, int lap, int node, int position = 0, Mark mark = kInside) {
    CarSample sample;
    sample.plid = static_cast<std::uint8_t>(plid);
    sample.lap = static_cast<std::uint16_t>(lap);
    sample.node = static_cast<std::uint16_t>(node);
    sample.position = static_cast<std::uint8_t>(position);
    sample.first = mark == kFirst || mark == kWhole;
    sample.last = mark == kLast || mark == kWhole;
    return sample;
}

PlayerJoined join(int plid, int connection = 0, std::string name = "Fahrer") {
    return {static_cast<std::uint8_t>(plid), static_cast<std::uint8_t>(connection), name, false, 1};
}

struct Race {
    double now = 0.0;
    RaceModel model{[this] { return now; }};

    // Three cars on a path of 100 nodes whose finish is node 90, in order 1, 2, 3.
    explicit Race(const std::vector<Event>& events = {}) {
        play({join(1), join(2, 7), join(3, 7), RaceStarted{100, 90, {}, 3}, at(1, 2, 50, 0, kFirst),
              at(2, 2, 40), at(3, 2, 30, 0, kLast)});
        play(events);
    }
    void play(const std::vector<Event>& events) {
        for (const Event& event : events) {
            std::visit([this](const auto& e) { model.apply(e); }, event);
        }
    }
    Plids order() const { return {model.order().begin(), model.order().end()}; }
};

struct OrderCase {
    const char* what;
    std::vector<Event> events;
    Plids order;
};

TEST(RaceModel, OrdersTheFieldFromWholeSetsAndItsEvents) {
    const std::vector<OrderCase> cases = {
        {"a set over three samples", {}, {1, 2, 3}},
        {"a set broken off by a new first",
         {at(3, 2, 60, 0, kFirst), at(2, 2, 55), at(1, 2, 51, 0, kFirst), at(2, 2, 45, 0, kLast)},
         {1, 2, 3}},
        {"samples without a set begun", {at(3, 2, 60), at(3, 2, 61, 0, kLast)}, {1, 2, 3}},
        {"unknown PLIDs", {at(9, 5, 10, 0, kFirst), at(3, 2, 60, 0, kLast)}, {3, 1, 2}},
        {"the game's positions",
         {at(1, 2, 50, 3, kFirst), at(2, 2, 40, 1), at(3, 2, 30, 2, kLast)},
         {2, 3, 1}},
        {"position 0 follows",
         {at(1, 2, 50, 0, kFirst), at(2, 2, 40, 2), at(3, 2, 30, 1, kLast)},
         {3, 2, 1}},
        {"a lap begins after the finish node",
         {at(1, 2, 5, 0, kFirst), at(2, 2, 90), at(3, 3, 91, 0, kLast)},
         {3, 2, 1}},
        {"a lapped car",
         {at(1, 1, 60, 0, kFirst), at(2, 2, 20), at(3, 2, 10, 0, kLast)},
         {2, 3, 1}},
        {"to the pits", {PlayerPitted{2}}, {1, 3}},
        {"out of the pits", {PlayerPitted{2}, join(2, 7)}, {1, 3}},
        {"out of the pits, a set later",
         {PlayerPitted{2}, join(2, 7), at(2, 2, 60, 0, kFirst), at(1, 2, 50, 0, kLast)},
         {2, 1, 3}},
        {"a player left", {PlayerLeft{1}}, {2, 3}},
        {"a connection left", {ConnectionLeft{7}}, {1}},
        {"the field cleared", {FieldCleared{}}, {}},
        {"a set broken off by a clear",
         {at(2, 9, 9, 0, kFirst), FieldCleared{}, join(2), at(1, 2, 9, 0, kLast)},
         {}},
        {"a restart", {RaceStarted{100, 90, {}, 3}}, {}},
        {"a join request", {PlayerJoined{4, 0, "x", false, 0}, at(4, 9, 9, 0, kWhole)}, {1, 2, 3}},
    };
    for (const OrderCase& c : cases) {
        EXPECT_EQ(Race(c.events).order(), c.order) << c.what;
    }
}

TEST(RaceModel, AnswersForKnownCarsOnly) {
    Race race({ViewedCar{2}, join(4, 0, std::string(71, 'a') + "\xC3\x84")});
    const RaceModel& model = race.model;
    ASSERT_NE(model.viewed(), nullptr);
    EXPECT_EQ(model.viewed()->plid, 2);
    EXPECT_EQ(model.ahead(2)->plid, 1);
    EXPECT_EQ(model.behind(2)->plid, 3);
    EXPECT_EQ(model.ahead(1), nullptr);
    EXPECT_EQ(model.behind(3), nullptr);
    EXPECT_EQ(model.progress(1), 2 * 100 + 59);
    EXPECT_EQ(model.car(4)->name(), std::string(71, 'a'));
    for (const std::uint8_t unknown : std::initializer_list<std::uint8_t>{0, 5, 255}) {
        EXPECT_EQ(model.car(unknown), nullptr);
        EXPECT_EQ(model.ahead(unknown), nullptr);
        EXPECT_EQ(model.behind(unknown), nullptr);
        EXPECT_FALSE(model.progress(unknown).has_value());
        EXPECT_EQ(model.crossings(unknown), nullptr);
    }
    EXPECT_FALSE(model.progress(4).has_value());
    race.play({ViewedCar{9}});
    EXPECT_EQ(model.viewed(), nullptr);
    race.play({ViewedCar{3}, PlayerLeft{3}, join(3)});
    EXPECT_EQ(model.viewed(), nullptr);
}

TEST(RaceModel, StampsTheCarsOfEachAppliedSet) {
    Race race;
    race.now = 6.0;
    race.play({at(1, 2, 52, 0, kFirst), at(2, 2, 42), at(2, 2, 44, 0, kFirst)});
    race.now = 7.0;
    race.play({at(3, 2, 33, 0, kLast)});
    EXPECT_EQ(race.model.car(1)->sampledAt, 0.0);
    EXPECT_EQ(race.model.car(2)->sampledAt, 7.0);
    EXPECT_EQ(race.model.car(2)->sample.node, 44);
}

TEST(RaceModel, KeepsTheMomentEachNodeWasPassed) {
    Race race;  // car 1 passed 259 at 0 s; progress is lap * 100 + the node counted from 91
    const auto drive = [&race](double now, int progress, const std::vector<Event>& before = {}) {
        race.now = now;
        race.play(before);
        race.play({at(1, progress / 100, (progress % 100 + 91) % 100, 0, kWhole)});
        return race.model.crossings(1)->size();
    };
    const auto passed = [&race](int progress) { return race.model.crossings(1)->passed(progress); };
    drive(1.0, 263);
    drive(2.0, 261);
    drive(4.0, 267);
    for (const auto& [progress, moment] : std::vector<std::pair<int, std::optional<double>>>{
             {258, {}}, {259, 0.0}, {261, 0.5}, {263, 1.0}, {265, 2.5}, {267, 4.0}, {268, {}}}) {
        EXPECT_EQ(passed(progress), moment) << progress;
    }
    EXPECT_EQ(drive(5.0, 567), 1U) << "a jump of 300 nodes";
    for (int i = 1; i <= 10; ++i) {
        drive(5.0 + i, 567 + 200 * i);
    }
    EXPECT_EQ(passed(2567), 15.0);
    EXPECT_TRUE(passed(2567 - 1023).has_value());
    EXPECT_FALSE(passed(2567 - 1024).has_value());
    EXPECT_EQ(drive(16.0, 2569, {RaceStarted{100, 90, {}, 3}}), 1U);
    EXPECT_EQ(drive(17.0, 2571, {PlayerPitted{1}, join(1)}), 1U);
    drive(18.0, 2000);
    EXPECT_EQ(passed(2000), 18.0) << "a jump back";
}

TEST(RaceModel, HoldsFortyEightCars) {
    Race race({FieldCleared{}});
    Plids expected(48);
    std::iota(expected.rbegin(), expected.rend(), std::uint8_t{1});
    for (int plid = 1; plid <= 49; ++plid) {
        race.play({join(plid)});
    }
    EXPECT_EQ(race.model.car(49), nullptr);
    for (int p = 1; p <= 48; ++p) {
        race.play({at(p, 1, p, 49 - p, p == 1 ? kFirst : p == 48 ? kLast : kInside)});
    }
    EXPECT_EQ(race.order(), expected);
    for (int i = 0; i <= 48; ++i) {
        race.play({at(1, 1, 1, 1, i == 0 ? kFirst : i == 48 ? kLast : kInside)});
    }
    EXPECT_EQ(race.order(), expected) << "a set of 49 samples";
    race.play({PlayerLeft{5}, join(49)});
    EXPECT_NE(race.model.car(49), nullptr);
}

// A car's sample by progress on the path of 100 nodes whose finish is node 90; x in metres.
CarSample place(int plid, int progress, Mark mark, double x = 0.0, int speed = 0) {
    CarSample sample = at(plid, progress / 100, (progress % 100 + 91) % 100, 0, mark);
    sample.x = static_cast<std::int32_t>(x * 65536.0);
    sample.speed = static_cast<std::uint16_t>(speed);
    return sample;
}

// Sets a second apart, cars 1 to 3 from their start at constant nodes per second.
std::vector<Event> run(std::array<int, 3> start, int sets = 1, std::array<int, 3> perSecond = {}) {
    std::vector<Event> events;
    for (int i = 0; i < sets * 3; ++i) {
        const auto car = static_cast<std::size_t>(i % 3);
        events.push_back(place(i % 3 + 1, start[car] + perSecond[car] * (i / 3),
                               std::array{kFirst, kInside, kLast}[car]));
    }
    return events;
}

// Car 1 drives 10 m a node, 2 nodes a second; car 2 starts 10 nodes behind and goes on as given.
std::vector<Event> follow(int third, double thirdX, int fourth, double fourthX, int speed = 0) {
    return {place(1, 205, kFirst),     place(2, 195, kLast, -100),
            place(1, 207, kFirst, 20), place(2, 201, kLast, -40),
            place(1, 209, kFirst, 40), place(2, third, kLast, thirdX),
            place(1, 211, kFirst, 60), place(2, fourth, kLast, fourthX, speed)};
}

constexpr const char* kNone = "--:--:---";

using GapCase = std::tuple<const char*, std::vector<std::vector<Event>>, std::string, std::string>;

// Each case: its events after three joins, a race start and viewing car 2; the gaps then.
void expectLines(const std::vector<GapCase>& cases) {
    for (const auto& [what, events, ahead, behind] : cases) {
        double tick = 0.0;
        RaceModel model{[&tick] { return tick++; }};
        std::vector<std::vector<Event>> parts = events;
        parts.insert(parts.begin(), std::vector<Event>{join(1), join(2), join(3),
                                                       RaceStarted{100, 90, {}, 3}, ViewedCar{2}});
        for (const std::vector<Event>& part : parts) {
            for (const Event& event : part) {
                std::visit([&model](const auto& e) { model.apply(e); }, event);
            }
        }
        EXPECT_EQ(GapLines(model.gaps()).text(), "V - " + ahead + "\rH - " + behind) << what;
    }
}

TEST(RaceModel, GapsAtWholeNodesTakeTheMomentTheOtherCarWasThere) {
    const std::vector<Event> race = run({260, 240, 200}, 6, {10, 8, 8});
    expectLines({
        {"constant speeds", {race}, "00:03:000", "00:05:000"},
        {"1 a lap and more ahead", {run({100, 60, 30}, 6, {25, 10, 10})}, "00:04:600", "00:03:000"},
        {"line; 2 not at 3", {run({188, 188, 170}, 4, {8, 4, 4})}, "00:01:500", kNone},
        {"one node", {run({200, 190, 180}, 3, {10, 15, 20})}, "00:00:000", "00:00:000"},
        {"1 pitted", {race, {PlayerPitted{1}, join(1)}, run({320, 288, 248})}, kNone, "00:05:000"},
        {"1 reset far ahead", {race, run({900, 288, 248})}, kNone, "00:05:000"},
        {"viewing the leader", {race, {ViewedCar{1}}}, kNone, "00:03:000"},
        {"viewing the last", {race, {ViewedCar{3}}}, "00:05:000", kNone},
        {"viewing none", {race, {ViewedCar{0}}}, kNone, kNone},
        {"the viewed car in the pits", {race, {PlayerPitted{2}}}, kNone, kNone},
    });
}

TEST(RaceModel, GapsWithTheShareOfANodeFromWhereSamplesWereSeenOrElseFromSpeed) {
    // Car 1 passed 207 at 1 s, 208 (node 99) at 1.5 s, 209 (node 0) at 2 s; now is 3 s. Mean x at
    // 208 and 209: 32.5 and 40 m in the first case; nothing is seen at 208 in the last.
    expectLines({
        {"a third of 208 to 209", {follow(208, 30, 208, 35)}, "00:01:333", kNone},
        {"before 208", {follow(208, 30, 208, 25)}, "00:01:500", kNone},
        {"past 209", {follow(208, 30, 208, 45)}, "00:01:000", kNone},
        {"3 m/s, 1 s, 10 m/node", {follow(207, 20, 207, 22, 983)}, "00:01:850", kNone},
    });
    EXPECT_EQ(GapLines({Gap{65.4321}, Gap{754.0}}).text(), "V - 01:05:432\rH - 12:34:000");
    EXPECT_EQ(GapLines({Gap{3599.9996}, Gap{3661.0012}}).text(), "V - 00:00:000\rH - 01:01:001");
}

}  // namespace
}  // namespace rennlupe::race
