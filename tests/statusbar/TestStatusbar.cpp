#include "statusbar/ucStatusbar.h"

#include "support/RecordingStatusWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::statusbar {
namespace {

using Edges = std::vector<std::int32_t>;

struct Bar {
    explicit Bar(std::int32_t width = 600) {
        window.width = width;
        EXPECT_TRUE(bar.Initialize(false, true));
    }
    support::RecordingStatusWindow window;
    ucStatusbar bar{window};
};

TEST(Statusbar, SpringContentsAndFixedPanelsFollowTheirRules) {
    // Bar width, panel widths (0 for a spring of at least 100 pixels), edges.
    for (const auto& [width, widths, edges] :
         std::vector<std::tuple<int, Edges, Edges>>{{80, {0}, {80}},
                                                    {601, {0, 0, 150}, {225, 450, 600}},
                                                    {601, {150, 0, 0}, {150, 375, 601}}}) {
        Bar b(width);
        for (const std::int32_t panel : widths) {
            b.bar.AddPanel(0, 100, panel, panel == 0 ? ucStatusbar::kSpring : ucStatusbar::kFixed);
        }
        EXPECT_EQ(b.window.parts, edges) << width;
    }

    Bar b;
    ASSERT_TRUE(b.bar.InitializeIconList(16, 16));
    b.bar.AddIcon(7);
    // 18 pixels of text, 20 of icon and 8 of borders
    b.bar.AddPanel(0, 0, 0, ucStatusbar::kContents, "abc", "", 0);
    EXPECT_EQ(b.bar.PanelWidth(1), 46);
    b.bar.setPanelIconIndex(1, 5);  // no such image: the icon goes
    EXPECT_EQ(b.bar.PanelWidth(1), 26);
    b.bar.AddPanel(0, 50, 20, ucStatusbar::kFixed);  // raised to its minimum
    b.bar.setPanelMinWidth(2, 900);                  // but not held to it by the layout
    EXPECT_EQ(b.window.parts, (Edges{26, 76}));
    b.bar.setPanelWidth(2, 1000);
    EXPECT_EQ(b.window.parts, (Edges{26, 600}));  // clamped to the bar
}

TEST(Statusbar, NothingHappensWithoutAWindowOrAValidPanelNorAClickRightAfterADoubleClick) {
    support::RecordingStatusWindow window;
    window.refuseWindow = true;
    ucStatusbar bar(window);
    EXPECT_FALSE(bar.Initialize(false, true));
    bar.AddPanel(0, 100, 0, 1, "lost");
    EXPECT_EQ(bar.PanelCount(), 0);

    window.refuseWindow = false;
    ASSERT_TRUE(bar.Initialize(false, true));
    bar.AddPanel(0, 100, 0, ucStatusbar::kSpring);
    const auto logged = window.log.size();
    for (const std::int32_t panel : {0, 2, -1}) {
        bar.setPanelText(panel, "x");
        bar.setPanelStyle(panel, 0x200);
        bar.setPanelIconIndex(panel, 0);
        std::int32_t x1 = -7, y1 = -7, x2 = -7, y2 = -7;
        bar.GetPanelRect(panel, x1, y1, x2, y2);
        EXPECT_EQ(bar.PanelText(panel) + std::to_string(bar.PanelWidth(panel) + x1 + y1 + x2 + y2),
                  "-28");
    }
    EXPECT_EQ(window.log.size(), logged);
    bar.show("Connected");  // the message line is panel 1, drawn in part 0
    bar.setPanelStyle(1, 0x200);
    EXPECT_EQ(window.log.back(), "SB_SETTEXT 512 Connected");

    // Ten times the panel plus the button, double-clicks negative.
    std::vector<std::int32_t> events;
    bar.PanelClick = [&](auto panel, auto button) { events.push_back(10 * panel + button); };
    bar.PanelDblClick = [&](auto panel, auto button) { events.push_back(-10 * panel - button); };
    for (const std::int32_t code : std::initializer_list<std::int32_t>{
             ucStatusbar::kDblClick, ucStatusbar::kClick, ucStatusbar::kClick,
             ucStatusbar::kRDblClick, ucStatusbar::kRClick, ucStatusbar::kRClick, -12}) {
        bar.handleNotify(bar.hWnd(), code, 1);
    }
    bar.handleNotify(bar.hWnd() + 1, ucStatusbar::kClick, 0);  // not from the status window
    EXPECT_EQ(events, (std::vector<std::int32_t>{-21, 21, -22, 22}));
}

TEST(Statusbar, TheHostsFontAndEveryPanelSurviveTheSizeGripRebuild) {
    EXPECT_EQ(ucStatusbar::fontHeight(8.5, 96), -11);   // 8.5 rounds to 8
    EXPECT_EQ(ucStatusbar::fontHeight(9.5, 120), -17);  // 9.5 rounds to 10, 16.7 pixels to 17
    support::RecordingStatusWindow window;
    {
        ucStatusbar bar(window);
        auto font = std::make_shared<FontObject>();
        bar.Load(font);  // taken at loading, it becomes the bar's font
        ASSERT_TRUE(bar.Initialize(false, true));
        ASSERT_TRUE(bar.InitializeIconList(16, 16));
        bar.AddIcon(7);
        bar.AddPanel(0x100, 100, 0, ucStatusbar::kSpring, "eins", "tip eins");
        bar.AddPanel(0, 40, 60, ucStatusbar::kFixed, "zwei", "tip zwei", 0);
        bar.setSizeGrip(true);  // the grip takes the last 20 pixels
        EXPECT_EQ(window.tips.at(1) + " " + std::to_string(window.icons.at(1) != 0), "tip zwei 1");
        EXPECT_EQ(window.parts, (Edges{520, 580}));

        font->setName(std::string(40, 'N'));  // a changed attribute applies itself
        EXPECT_EQ(std::string(window.fonts.back().faceName.data()), std::string(31, 'N'));
    }
    EXPECT_TRUE(window.alive.empty());  // every handle released once
}

}  // namespace
}  // namespace rennlupe::statusbar
