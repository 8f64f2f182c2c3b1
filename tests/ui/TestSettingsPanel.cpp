#include "ui/SettingsPanel.h"

#include "overlay/Form1.h"
#include "ui/GameColour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Panel : public ::testing::Test {
protected:
    Panel() { panel.linkUp(200); }

    std::array<controls::Slider, 6> sliders{{{"Slider1", 0, 1000},
                                             {"Slider2", 0, 1000},
                                             {"Slider3", 0, 65000},
                                             {"Slider4", 0, 100},
                                             {"Slider5", 0, 1000},
                                             {"Slider6", 0, 1000}}};
    std::vector<Bytes> sent;
    SettingsPanel panel{
        [this](std::span<const std::uint8_t> p) { sent.emplace_back(p.begin(), p.end()); },
        {std::ref(sliders[0]), std::ref(sliders[1]), std::ref(sliders[2]), std::ref(sliders[3]),
         std::ref(sliders[4]), std::ref(sliders[5])}};
};

// Each button's click moves one slider by its step, clamped to the slider's range.
TEST_F(Panel, EachClickMovesItsSlider) {
    panel.toggle();
    ASSERT_EQ(sent.size(), SettingsPanel::kButtons + 1);  // the handle, its deletion, the panel
    using Effect = SettingsPanel::Effect;
    for (const auto& [id, from, slider, to, effect] :
         std::vector<std::tuple<int, int, std::size_t, int, Effect>>{
             {203, 500, 0, 500, Effect::None},  // the title
             {205, 500, 0, 490, Effect::Text},
             {206, 500, 0, 510, Effect::Text},
             {205, 5, 0, 0, Effect::Text},
             {207, 500, 1, 490, Effect::Text},
             {208, 995, 1, 1000, Effect::Text},
             {209, 500, 4, 490, Effect::Shift},
             {210, 500, 4, 510, Effect::Shift},
             {211, 500, 5, 490, Effect::Shift},
             {212, 500, 5, 510, Effect::Shift},
             {213, 64768, 2, 32896, Effect::Text},
             {213, 0, 2, 65000, Effect::Text},
             {214, 300, 2, 32896, Effect::Text},
             {214, 65000, 2, 0, Effect::Text},
             {215, 22, 3, 20, Effect::Text},
             {216, 99, 3, 100, Effect::Text},
             {217, 500, 0, 500, Effect::None},  // the handle's, hidden while the panel is open
             {202, 500, 0, 500, Effect::None}}) {
        sliders[slider].setValue(from);
        EXPECT_EQ(panel.click(static_cast<std::uint8_t>(id)), effect) << id;
        EXPECT_EQ(sliders[slider].value(), to) << id << " from " << from;
    }
    sent.clear();
    EXPECT_EQ(panel.click(204), SettingsPanel::Effect::Closed);
    ASSERT_EQ(sent.size(), 2U);
    EXPECT_EQ(sent[0], (Bytes{2, 42, 0, 0, 0, 203, 216, 0}));  // BFN_DEL_BTN 203..216
    EXPECT_EQ(sent[1][4], 217);                                // the handle again
    EXPECT_EQ(panel.click(205), SettingsPanel::Effect::None);
}

// While the panel is closed its handle (ClickID 217, where the title goes) shows and opens
// it; SHIFT+B and a front end that draws no buttons take it away.
TEST_F(Panel, TheHandleOpensThePanelAndShowsWhileItIsClosed) {
    ASSERT_EQ(sent.size(), 1U);
    // Size | Type 45 | ReqI 1 | UCID 0 | ClickID | Inst 0 | BStyle dark+click+title | 0 | L T W H
    EXPECT_EQ(Bytes(sent[0].begin(), sent[0].begin() + 12),
              (Bytes{6, 45, 1, 0, 217, 0, 0x29, 0, 1, 60, 22, 5}));
    sent.clear();
    EXPECT_EQ(panel.click(217), SettingsPanel::Effect::None);
    EXPECT_TRUE(panel.isOpen());
    ASSERT_EQ(sent.size(), SettingsPanel::kButtons);
    EXPECT_EQ(sent[0], (Bytes{2, 42, 0, 0, 0, 217, 0, 0}));  // BFN_DEL_BTN 217
    panel.close();
    panel.userCleared();
    sent.clear();
    panel.userRequested();
    panel.allow(false);
    panel.toggle();
    panel.allow(true);
    std::vector<int> ids;
    for (const Bytes& packet : sent) {
        ids.push_back(packet[1] == 45 ? packet[4] : -packet[5]);
    }
    EXPECT_EQ(ids, (std::vector<int>{217, -217, 217}));
}

// The palette's steps are colours the game shows differently.
TEST_F(Panel, ThePaletteGivesDistinctGameColours) {
    std::set<std::tuple<std::string, int>> seen;
    for (const int value : SettingsPanel::kColours) {
        const auto argb = static_cast<std::uint32_t>(overlay::Form1::GetTextColour(value, 0));
        const GameColour colour = nearestGameColour(argb);
        seen.emplace(colour.code, colour.style);
    }
    EXPECT_EQ(seen.size(), SettingsPanel::kColours.size());
}

// Cleared by the user, the open panel comes back on request.
TEST_F(Panel, DrawsClickableButtonsInTheClearAreaAndKeepsWithinTheClickIds) {
    panel.toggle();
    panel.userCleared();
    sent.clear();
    panel.userRequested();
    ASSERT_EQ(sent.size(), SettingsPanel::kPanelButtons);
    // Size | Type 45 | ReqI 1 | UCID 0 | ClickID | Inst 0 | BStyle | TypeIn 0 | L T W H | text
    EXPECT_EQ(Bytes(sent[0].begin(), sent[0].begin() + 12),
              (Bytes{6, 45, 1, 0, 203, 0, 0x21, 0, 1, 60, 22, 5}));
    EXPECT_EQ(std::string(sent[0].begin() + 12, sent[0].end()),
              std::string("Rennlupe\0\0\0\0", 12));
    EXPECT_EQ(Bytes(sent[1].begin(), sent[1].begin() + 14),
              (Bytes{4, 45, 1, 0, 204, 0, 0x2D, 0, 23, 60, 5, 5, 'X', 0}));
    for (const Bytes& btn : sent) {
        EXPECT_TRUE(btn[8] + btn[10] <= 110 && btn[9] >= 30 && btn[9] + btn[11] <= 170);
    }
    for (const auto& [base, first] :
         std::vector<std::tuple<int, int>>{{0, 3}, {222, 225}, {223, 208}, {237, 222}}) {
        EXPECT_EQ(SettingsPanel::firstId(static_cast<std::uint8_t>(base)), first) << base;
    }
}

}  // namespace
}  // namespace rennlupe::ui
