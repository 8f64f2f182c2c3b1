#include "insim-sim/ButtonBoard.h"
#include "insim-sim/colourRuns.h"
#include "insim10/ButtonFunctions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::tools {
namespace {

using Placed = ButtonBoard::Placed;

insim10::IsBtn button(std::uint8_t id, std::uint8_t w, std::uint8_t h, std::string text) {
    return {1, 0, id, 0x80, 0x20, 0, 10, 20, w, h, std::move(text)};
}

// Each row places its buttons on an empty board in turn: what each did, then button 5.
TEST(ButtonBoard, PlacesReplacesAndUpdatesOnlyTextWhenWOrHIsZero) {
    struct Row {
        std::vector<insim10::IsBtn> packets;
        std::vector<Placed> placed;
        std::tuple<int, int, std::string> five;  // w, h, text; w -1 for none
    };
    const std::vector<Row> rows = {
        {{button(5, 30, 6, "a")}, {Placed::New}, {30, 6, "a"}},
        {{button(5, 30, 6, "a"), button(5, 0, 6, "b")}, {Placed::New, Placed::Text}, {30, 6, "b"}},
        {{button(5, 30, 6, "a"), button(5, 40, 0, "b")}, {Placed::New, Placed::Text}, {30, 6, "b"}},
        {{button(5, 30, 6, "a"), button(5, 40, 8, "b")}, {Placed::New, Placed::New}, {40, 8, "b"}},
        {{button(5, 0, 6, "a")}, {Placed::Ignored}, {-1, 0, ""}},
        {{button(4, 30, 6, "a"), button(5, 0, 0, "b")},
         {Placed::New, Placed::Ignored},
         {-1, 0, ""}},
        {{button(240, 30, 6, "a")}, {Placed::Ignored}, {-1, 0, ""}},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ButtonBoard board;
        for (std::size_t i = 0; i < rows[r].packets.size(); ++i) {
            EXPECT_EQ(board.place(rows[r].packets[i]), rows[r].placed[i]) << "row " << r;
        }
        const auto& five = board.at(5);
        EXPECT_EQ(five ? std::tuple(int{five->w}, int{five->h}, five->text) : std::tuple(-1, 0, ""),
                  rows[r].five)
            << "row " << r;
    }
}

TEST(ButtonBoard, DeletesARangeOfThePresentIds) {
    for (const auto& [from, to, removed, left] :
         std::vector<std::tuple<int, int, std::vector<std::uint8_t>, std::vector<int>>>{
             {3, 0, {3}, {0, 7, 239}},
             {3, 3, {3}, {0, 7, 239}},
             {1, 7, {3, 7}, {0, 239}},
             {4, 6, {}, {0, 3, 7, 239}},
             {0, 255, {0, 3, 7, 239}, {}}}) {
        ButtonBoard board;
        for (const int id : {0, 3, 7, 239}) {
            board.place(button(static_cast<std::uint8_t>(id), 30, 6, "x"));
        }
        EXPECT_EQ(board.remove(static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)),
                  removed);
        std::vector<int> present;
        for (std::size_t id = 0; id < ButtonBoard::kButtons; ++id) {
            if (board.at(id)) {
                present.push_back(static_cast<int>(id));
            }
        }
        EXPECT_EQ(present, left) << from << ".." << to;
    }
}

// SHIFT+B clears the board and hides what comes while cleared; again, it asks them back.
TEST(ButtonBoard, ShiftBClearsThenAsksTheButtonsBack) {
    ButtonBoard board;
    board.place(button(1, 30, 6, "x"));
    EXPECT_EQ(board.shiftB(), insim10::kBfnUserClear);
    EXPECT_FALSE(board.at(1));
    EXPECT_EQ(board.place(button(1, 30, 6, "x")), Placed::Hidden);
    EXPECT_EQ(board.shiftB(), insim10::kBfnRequest);
    EXPECT_EQ(board.place(button(1, 30, 6, "x")), Placed::New);
    board.clear();
    EXPECT_FALSE(board.at(1));
}

TEST(ButtonBoard, ColourCodesCutTheTextIntoRuns) {
    constexpr int kStyle = ColourRun::kStyleColour;
    for (const auto& [bytes, runs] : std::vector<std::pair<std::string, std::vector<ColourRun>>>{
             {"V - 00:01:234", {{kStyle, "V - 00:01:234"}}},
             {"^1V - ^700:01", {{1, "V - "}, {7, "00:01"}}},
             {"^3a^9b^8c", {{3, "a"}, {kStyle, "b"}, {8, "c"}}},
             {"^^1x^", {{kStyle, "^1x^"}}},
             {"^2^3", {}},
             {"^E\xb3^1\xb3^8\xb3", {{kStyle, "ł"}, {1, "ł"}, {8, "³"}}}}) {
        EXPECT_EQ(colourRuns(bytes), runs) << bytes;
    }
}

}  // namespace
}  // namespace rennlupe::tools
