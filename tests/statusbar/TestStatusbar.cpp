#include "statusbar/ucStatusbar.h"

#include "support/RecordingStatusWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rennlupe::statusbar {
namespace {

using support::RecordingStatusWindow;
using Edges = std::vector<std::int32_t>;

struct Bar {
    explicit Bar(std::int32_t width, bool sizeGrip = false) {
        window.width = width;
        EXPECT_TRUE(bar.Initialize(sizeGrip, true));
    }
    RecordingStatusWindow window;
    ucStatusbar bar{window};
};

TEST(Statusbar, SpringPanelsShareWhatIsLeftAndEndAtTheEdge) {
    Bar wide(600);
    wide.bar.AddPanel(0, 100, 0, ucStatusbar::kSpring, "Willkommen!");
    EXPECT_EQ(wide.window.parts, Edges{600});
    EXPECT_EQ(wide.bar.PanelWidth(1), 600);

    Bar narrow(80);
    narrow.bar.AddPanel(0, 100, 0, ucStatusbar::kSpring);
    EXPECT_EQ(narrow.bar.PanelWidth(1), 100);
    EXPECT_EQ(narrow.window.parts, Edges{80});

    Bar grip(600, true);
    grip.bar.AddPanel(0, 100, 0, ucStatusbar::kSpring);
    EXPECT_EQ(grip.window.parts, Edges{580});

    Bar springsFirst(601);
    springsFirst.bar.AddPanel(0, 10, 0, ucStatusbar::kSpring);
    springsFirst.bar.AddPanel(0, 10, 0, ucStatusbar::kSpring);
    springsFirst.bar.AddPanel(0, 10, 150, ucStatusbar::kFixed);
    EXPECT_EQ(springsFirst.window.parts, (Edges{225, 450, 600}));

    Bar fixedFirst(601);
    fixedFirst.bar.AddPanel(0, 10, 150, ucStatusbar::kFixed);
    fixedFirst.bar.AddPanel(0, 10, 0, ucStatusbar::kSpring);
    fixedFirst.bar.AddPanel(0, 10, 0, ucStatusbar::kSpring);
    EXPECT_EQ(fixedFirst.window.parts, (Edges{150, 375, 601}));
}

TEST(Statusbar, ContentsAndFixedPanelsFollowTheirRules) {
    Bar b(600);
    ASSERT_TRUE(b.bar.InitializeIconList(16, 16));
    EXPECT_EQ(b.bar.AddIcon(7), 0);
    b.bar.AddPanel(0, 0, 0, ucStatusbar::kContents);
    EXPECT_EQ(b.bar.PanelWidth(1), 8);
    b.bar.setPanelMinWidth(1, 30);
    EXPECT_EQ(b.bar.PanelWidth(1), 30);
    b.bar.setPanelMinWidth(1, 0);
    b.bar.setPanelIconIndex(1, 0);
    EXPECT_EQ(b.bar.PanelWidth(1), 28);
    b.bar.setPanelText(1, "abc");  // 18 pixels of text
    EXPECT_EQ(b.bar.PanelWidth(1), 46);
    b.bar.setPanelIconIndex(1, 5);  // no such image: the icon goes
    EXPECT_EQ(b.bar.PanelIconIndex(1), -1);
    EXPECT_EQ(b.bar.PanelWidth(1), 26);

    b.bar.AddPanel(0, 50, 20, ucStatusbar::kFixed);  // raised to its minimum
    EXPECT_EQ(b.bar.PanelWidth(2), 50);
    b.bar.setPanelWidth(2, 50);
    EXPECT_EQ(b.bar.PanelWidth(2), 50);
    const int layouts = b.window.setPartsCalls;
    b.bar.setPanelWidth(2, 50);  // equal to the minimum: ignored, no layout
    EXPECT_EQ(b.window.setPartsCalls, layouts);
    b.bar.setPanelWidth(2, 51);
    EXPECT_EQ(b.window.parts, (Edges{26, 77}));
    b.bar.setPanelMinWidth(2, -5);
    EXPECT_EQ(b.bar.PanelMinWidth(2), 0);
    b.bar.setPanelMinWidth(2, 900);  // a fixed panel is not held to it by the layout
    EXPECT_EQ(b.window.parts, (Edges{26, 77}));
    b.bar.setPanelWidth(2, 1000);
    EXPECT_EQ(b.window.parts, (Edges{26, 600}));  // clamped to the bar
}

TEST(Statusbar, InvalidPanelNumbersAreIgnoredSilently) {
    RecordingStatusWindow window;
    ucStatusbar bar(window);
    bar.AddPanel(0, 100, 0, 1, "lost");  // no window yet
    EXPECT_EQ(bar.PanelCount(), 0);
    bar.show("nowhere");
    EXPECT_EQ(bar.PanelText(1), "");

    ASSERT_TRUE(bar.Initialize(false, true));
    EXPECT_FALSE(bar.Initialize(false, true));
    bar.AddPanel(0, 100, 0, ucStatusbar::kSpring, "Willkommen!");
    const auto logged = window.log.size();
    for (const std::int32_t panel : {0, 2, -1}) {
        bar.setPanelText(panel, "x");
        bar.setPanelStyle(panel, 0x200);
        bar.setPanelTipText(panel, "x");
        bar.setPanelIconIndex(panel, 0);
        EXPECT_EQ(bar.PanelText(panel), "");
        EXPECT_EQ(bar.PanelWidth(panel), 0);
        std::int32_t x1 = -7;
        std::int32_t y1 = -7;
        std::int32_t x2 = -7;
        std::int32_t y2 = -7;
        bar.GetPanelRect(panel, x1, y1, x2, y2);
        EXPECT_EQ(x1 + y1 + x2 + y2, -28);
    }
    EXPECT_EQ(window.log.size(), logged);

    bar.show("Connected");  // the message line is panel 1
    EXPECT_EQ(bar.PanelText(1), "Connected");
    EXPECT_EQ(window.log.back(), "SB_SETTEXT 0 Connected");
    bar.setPanelStyle(1, 0x200);
    EXPECT_EQ(window.log.back(), "SB_SETTEXT 512 Connected");
}

TEST(Statusbar, NoClickIsReportedRightAfterADoubleClick) {
    Bar b(600);
    b.bar.AddPanel();
    b.bar.AddPanel();
    std::vector<std::string> events;
    b.bar.PanelClick = [&](std::int32_t panel, std::int32_t button) {
        events.push_back("click " + std::to_string(panel) + " " + std::to_string(button));
    };
    b.bar.PanelDblClick = [&](std::int32_t panel, std::int32_t button) {
        events.push_back("dblclick " + std::to_string(panel) + " " + std::to_string(button));
    };
    const WindowHandle status = b.bar.hWnd();
    b.bar.handleNotify(status, ucStatusbar::kDblClick, 1);
    b.bar.handleNotify(status, ucStatusbar::kClick, 1);
    b.bar.handleNotify(status, ucStatusbar::kClick, 1);
    b.bar.handleNotify(status, ucStatusbar::kRDblClick, 0);
    b.bar.handleNotify(status, ucStatusbar::kRClick, 0);
    b.bar.handleNotify(status, ucStatusbar::kRClick, 0);
    b.bar.handleNotify(status + 1, ucStatusbar::kClick, 0);  // not from the status window
    b.bar.handleNotify(status, -12, 0);
    EXPECT_EQ(events,
              (std::vector<std::string>{"dblclick 2 1", "click 2 1", "dblclick 1 2", "click 1 2"}));
}

TEST(Statusbar, SizeGripRebuildKeepsEveryPanel) {
    auto window = std::make_unique<RecordingStatusWindow>();
    {
        ucStatusbar bar(*window);
        ASSERT_TRUE(bar.Initialize(false, true));
        ASSERT_TRUE(bar.InitializeIconList(16, 16));
        EXPECT_EQ(bar.AddIcon(7), 0);
        bar.AddPanel(0x100, 100, 0, ucStatusbar::kSpring, "eins", "tip eins");
        bar.AddPanel(0, 40, 60, ucStatusbar::kFixed, "zwei", "tip zwei", 0);
        const WindowHandle before = bar.hWnd();
        const auto logged = window->log.size();
        bar.setSizeGrip(false);  // unchanged: nothing happens
        EXPECT_EQ(window->log.size(), logged);

        bar.setSizeGrip(true);
        EXPECT_TRUE(bar.SizeGrip());
        EXPECT_NE(bar.hWnd(), before);
        EXPECT_EQ(bar.PanelCount(), 2);
        EXPECT_EQ(window->texts, (std::map<std::uint32_t, std::string>{{0, "eins"}, {1, "zwei"}}));
        EXPECT_EQ(window->tips.at(1), "tip zwei");
        EXPECT_NE(window->icons.at(1), 0);
        EXPECT_EQ(bar.PanelIconIndex(2), 0);
        EXPECT_EQ(window->parts, (Edges{520, 580}));
        EXPECT_EQ(window->log.back().substr(window->log.back().size() - 2), " 0");
        const auto created = std::count_if(
            window->log.begin(), window->log.end(),
            [](const std::string& line) { return line.starts_with("CreateWindowEx"); });
        EXPECT_EQ(created, 2);
        EXPECT_NE(std::find(window->log.begin(), window->log.end(),
                            "CreateWindowEx msctls_statusbar32 1073744128 600x30"),
                  window->log.end());  // child, size grip and tool tips
    }
    EXPECT_TRUE(window->alive.empty());  // every handle released once
}

TEST(Statusbar, FontHeightAndFaceName) {
    EXPECT_EQ(ucStatusbar::fontHeight(8.25, 96), -11);
    EXPECT_EQ(ucStatusbar::fontHeight(8.5, 96), -11);  // 8.5 rounds to 8
    EXPECT_EQ(ucStatusbar::fontHeight(9.5, 96), -13);  // 9.5 rounds to 10
    EXPECT_EQ(ucStatusbar::fontHeight(12, 120), -20);

    Bar b(600);
    auto tahoma = std::make_shared<FontObject>();
    tahoma->setName("Tahoma");
    b.bar.setFont(tahoma);
    tahoma->setBold(true);  // a changed attribute applies itself
    const FontDescription& applied = b.window.fonts.back();
    EXPECT_STREQ(applied.faceName.data(), "Tahoma");
    EXPECT_EQ(applied.weight, 700);
    EXPECT_EQ(applied.height, -11);

    tahoma->setName(std::string(40, 'N'));
    EXPECT_EQ(std::string(b.window.fonts.back().faceName.data()), std::string(31, 'N'));
    EXPECT_EQ(b.window.fonts.back().faceName[31], '\0');

    // The host's font, taken at loading, becomes the bar's font.
    RecordingStatusWindow window;
    ucStatusbar hosted(window);
    auto host = std::make_shared<FontObject>();
    host->setName("Arial");
    hosted.Load(host);
    ASSERT_TRUE(hosted.Initialize(false, false));
    EXPECT_EQ(&hosted.Font(), host.get());
    EXPECT_STREQ(window.fonts.back().faceName.data(), "Arial");
    EXPECT_EQ(window.controlHeight, 22);
}

TEST(Statusbar, ResizeMovesTheWindowAndLaysOut) {
    Bar b(600);
    b.bar.AddPanel(0, 100, 0, ucStatusbar::kSpring);
    int resizes = 0;
    b.bar.Resize = [&] { ++resizes; };
    b.window.width = 300;
    b.bar.handleSize();
    EXPECT_EQ(b.window.log.back(), "MoveWindow 0,0 300x30");
    EXPECT_EQ(b.window.parts, Edges{300});
    b.bar.shown();
    EXPECT_EQ(resizes, 2);

    RecordingStatusWindow refusing;
    refusing.refuseWindow = true;
    ucStatusbar failed(refusing);
    EXPECT_FALSE(failed.Initialize(false, true));
    EXPECT_EQ(failed.hWnd(), 0);
    failed.setEnabled(false);
    EXPECT_TRUE(failed.Enabled());
}

}  // namespace
}  // namespace rennlupe::statusbar
