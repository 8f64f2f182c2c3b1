#include "ui/frmAbstaende.h"
#include "ui/frmFahrerinfo.h"

#include "support/RecordingMessageLine.h"
#include "support/RecordingWindowStyle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rennlupe::ui {
namespace {

TEST(SideWindows, StartHiddenWithTheirTables) {
    support::RecordingWindowStyle style;
    support::RecordingMessageLine line;
    const frmAbstaende gaps(style, line);
    EXPECT_EQ(gaps.window.caption(), "Rangliste der Fahrer");
    EXPECT_FALSE(gaps.window.visible());
    EXPECT_EQ(gaps.Label3.caption() + gaps.Label1.caption() + gaps.lblBeschriftung.caption() +
                  gaps.Label2.caption(),
              "Pos.FahrernameRundeAbstand");
    EXPECT_EQ(gaps.lblPosition[0].caption(), "01");
    EXPECT_EQ(gaps.lblPosition[8].caption(), "09");
    EXPECT_EQ(gaps.lblPosition[19].caption(), "20");
    EXPECT_EQ(gaps.lblAbstand[19].caption(), "0.00:000");
    EXPECT_EQ(gaps.lblNode[7].caption() + gaps.lblZeit[7].caption() + gaps.lblID[7].caption(),
              "NodeZeitID");
    EXPECT_EQ(gaps.sldTrans.min(), 128);
    EXPECT_EQ(gaps.sldTrans.max(), 254);

    const frmFahrerinfo info(style, line);
    EXPECT_EQ(info.window.caption(), "Fahrerinfo");
    EXPECT_FALSE(info.window.visible());
    EXPECT_EQ(info.lblNeueBestzeit[19].caption(), "neue BZ");
    EXPECT_EQ(info.Slider1.max(), 254);
}

TEST(SideWindows, ASliderClickSetsItsOwnWindowsOpacity) {
    support::RecordingWindowStyle style;
    support::RecordingMessageLine line;
    frmAbstaende gaps(style, line);
    frmFahrerinfo info(style, line);
    gaps.sldTrans.scrollTo(0);  // moving alone changes nothing; the click does
    EXPECT_TRUE(style.transparencies.empty());
    gaps.sldTrans.click();
    info.Slider1.setValue(254);
    info.Slider1.click();
    EXPECT_EQ(style.transparencies,
              (std::vector<std::string>{"frmAbstaende=128", "frmFahrerinfo=254"}));

    info.Slider1.setEnabled(false);
    info.Slider1.click();
    EXPECT_EQ(style.transparencies.size(), 2U);
    EXPECT_TRUE(line.messages().empty());
}

TEST(SideWindows, UnloadHidesOnceAndKeepsTheLabels) {
    support::RecordingWindowStyle style;
    support::RecordingMessageLine line;
    frmFahrerinfo info(style, line);
    int unloads = 0;
    info.window.Unload.connect([&unloads] { ++unloads; });
    info.lblFahrer[3].setCaption("Senna");
    info.window.unload();
    info.window.unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(info.window.loaded());
    EXPECT_EQ(info.lblFahrer[3].caption(), "Senna");
}

}  // namespace
}  // namespace rennlupe::ui
