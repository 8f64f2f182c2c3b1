#include "desktop/QtStatusWindow.h"

#include "desktop/StatusPanels.h"
#include "statusbar/ucStatusbar.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QColor>
#include <QHelpEvent>
#include <QImage>
#include <QPixmap>
#include <QSizeGrip>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdint>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace rennlupe::desktop {
namespace {

using statusbar::ucStatusbar;

constexpr const char* kWelcome = "Willkommen! Ports, Passwort, ggf. IP eintragen und connecten ...";

// The main window's bar (one spring panel), then a raised and a borderless
// panel: on 600 pixels the edges are 380, 500 and 600.
struct HostedBar {
    QWidget host;
    QtStatusWindow status{&host};
    ucStatusbar bar{status};
    std::vector<std::string> events;

    explicit HostedBar(bool inLayout = false) {
        status.attach(bar);
        if (inLayout) {
            auto* layout = new QVBoxLayout(&host);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(&status);
            layout->addStretch(1);
        }
        host.resize(600, 400);
        bar.PanelClick = [this](std::int32_t panel, std::int32_t button) {
            events.push_back("click " + std::to_string(panel) + " " + std::to_string(button));
        };
        bar.PanelDblClick = [this](std::int32_t panel, std::int32_t button) {
            events.push_back("dblclick " + std::to_string(panel) + " " + std::to_string(button));
        };
        bar.Initialize(false, true);
        bar.AddPanel(0, 100, 0, ucStatusbar::kSpring, kWelcome, "Tipp eins");
        bar.AddPanel(0x200, 50, 120, ucStatusbar::kFixed, "Zwei", "Tipp zwei");
        bar.AddPanel(0x100, 50, 100, ucStatusbar::kFixed, "Drei", "Tipp drei");
        host.show();
    }

    StatusPanels* panels() { return qobject_cast<StatusPanels*>(status.childAt(440, 5)); }
    QImage shot() { return status.grab().toImage(); }
    QRect panelRect(std::int32_t panel) {
        std::int32_t x1 = -1, y1 = -1, x2 = -1, y2 = -1;
        bar.GetPanelRect(panel, x1, y1, x2, y2);
        return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    }
};

QRect interior(const QRect& panel) {
    return panel.adjusted(1, 1, -1, -1);
}

// Text is dark on a light background whatever the font.
int inkedPixels(const QImage& image, const QRect& region, const QColor& background) {
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (background.lightness() - image.pixelColor(x, y).lightness() > 80) {
                ++count;
            }
        }
    }
    return count;
}

QRect changedRegion(const QImage& before, const QImage& after) {
    QRect changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed;
}

TEST(QtStatusWindow, DrawsBordersTextsAndIconsInTheirPanels) {
    HostedBar hosted;
    StatusPanels* panels = hosted.panels();
    ASSERT_NE(panels, nullptr);
    const int height = hosted.status.height();
    EXPECT_GE(height, 20);
    EXPECT_EQ(panels->height(), height);
    EXPECT_EQ(hosted.panelRect(1), QRect(0, 0, 380, height));
    EXPECT_EQ(hosted.panelRect(2), QRect(380, 0, 120, height));
    EXPECT_EQ(hosted.panelRect(3), QRect(500, 0, 100, height));
    const statusbar::PanelRect none = hosted.status.getRect(hosted.bar.hWnd(), 3);
    EXPECT_EQ(none.left + none.top + none.right + none.bottom, 0);

    const QRgb dark = panels->palette().color(QPalette::Dark).rgb();
    const QRgb light = panels->palette().color(QPalette::Light).rgb();
    const QColor background = panels->palette().color(QPalette::Window);
    QImage shot = hosted.shot();
    const int middle = height / 2;
    EXPECT_EQ(shot.pixel(0, middle), dark);  // sunken
    EXPECT_EQ(shot.pixel(379, middle), light);
    EXPECT_EQ(shot.pixel(380, middle), light);  // raised
    EXPECT_EQ(shot.pixel(499, middle), dark);
    EXPECT_EQ(shot.pixel(500, middle), background.rgb());  // no border
    EXPECT_EQ(shot.pixel(599, middle), background.rgb());
    EXPECT_GT(inkedPixels(shot, interior(hosted.panelRect(1)), background), 50);

    hosted.bar.setPanelText(2, "Zweiter Text, länger");
    const QImage after = hosted.shot();
    const QRect changed = changedRegion(shot, after);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(interior(hosted.panelRect(2)).contains(changed))
        << changed.x() << " " << changed.right();

    QPixmap square(16, 16);
    square.fill(Qt::red);
    const statusbar::IconHandle icon = hosted.status.registerIcon(square);
    ASSERT_TRUE(hosted.bar.InitializeIconList(16, 16));
    EXPECT_EQ(hosted.bar.AddIcon(icon), 0);
    hosted.status.destroyIcon(icon);  // the list keeps its own copy
    hosted.status.destroyIcon(icon);
    hosted.bar.setPanelIconIndex(3, 0);
    EXPECT_EQ(hosted.bar.PanelIconIndex(3), 0);
    shot = hosted.shot();
    const QRgb red = QColor(Qt::red).rgb();
    EXPECT_EQ(shot.pixel(506, middle), red);
    EXPECT_NE(shot.pixel(530, middle), red);
    hosted.bar.setPanelIconIndex(3, 7);
    EXPECT_EQ(hosted.bar.PanelIconIndex(3), -1);
    EXPECT_NE(hosted.shot().pixel(506, middle), red);
}

TEST(QtStatusWindow, ReportsClicksAndDoubleClicksOnPanels) {
    HostedBar hosted;
    StatusPanels* panels = hosted.panels();
    ASSERT_NE(panels, nullptr);
    const QPoint onTwo(440, hosted.status.height() / 2);
    QTest::mouseClick(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseClick(panels, Qt::RightButton, {}, onTwo);
    EXPECT_EQ(hosted.events, (std::vector<std::string>{"click 2 1", "click 2 2"}));

    // As a user's double-click arrives: press, release, double-click, release.
    hosted.events.clear();
    QTest::mousePress(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseRelease(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseDClick(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseRelease(panels, Qt::LeftButton, {}, onTwo);
    EXPECT_EQ(hosted.events, (std::vector<std::string>{"click 2 1", "dblclick 2 1"}));
    QTest::mouseClick(panels, Qt::LeftButton, {}, onTwo);
    EXPECT_EQ(hosted.events.back(), "click 2 1");

    hosted.events.clear();
    hosted.bar.setPanelAutosize(1, ucStatusbar::kFixed);
    hosted.bar.setPanelWidth(3, 60);  // the panels now end at 560
    QTest::mouseClick(panels, Qt::LeftButton, {}, QPoint(580, onTwo.y()));
    EXPECT_TRUE(hosted.events.empty());

    hosted.bar.PanelClick = [](std::int32_t, std::int32_t) { throw std::runtime_error("kaputt"); };
    std::ostringstream errors;
    std::streambuf* const standardError = std::cerr.rdbuf(errors.rdbuf());
    EXPECT_NO_THROW(QTest::mouseClick(panels, Qt::LeftButton, {}, onTwo));
    std::cerr.rdbuf(standardError);
    EXPECT_NE(errors.str().find("kaputt"), std::string::npos);
}

TEST(QtStatusWindow, ShowsTheTipOfThePanelUnderTheMouse) {
    HostedBar hosted;
    StatusPanels* panels = hosted.panels();
    ASSERT_NE(panels, nullptr);
    const auto hover = [&](int x) {
        const QPoint at(x, hosted.status.height() / 2);
        QHelpEvent help(QEvent::ToolTip, at, panels->mapToGlobal(at));
        QApplication::sendEvent(panels, &help);
        return QToolTip::text();
    };
    EXPECT_EQ(hover(440), "Tipp zwei");
    EXPECT_EQ(hover(550), "Tipp drei");
    hosted.bar.setPanelTipText(1, "Neuer Tipp äöü");
    EXPECT_EQ(hover(100), QString::fromUtf8("Neuer Tipp äöü"));

    // Without a tip of its own, a panel too narrow for its text shows the whole text.
    hosted.bar.setPanelTipText(2, "");
    hosted.bar.setPanelText(2, "Could not create server socket! (permission denied)");
    EXPECT_EQ(hover(440), "Could not create server socket! (permission denied)");
    hosted.bar.setPanelText(2, "Zwei");
    EXPECT_NE(hover(440), "Zwei");
    QToolTip::hideText();
}

TEST(QtStatusWindow, FollowsItsFontAndStaysDockedAtTheHostsBottom) {
    HostedBar hosted;
    hosted.bar.AddPanel(0, 10, 0, ucStatusbar::kContents, "Inhalt");
    const int before = hosted.status.height();
    const std::int32_t contentsWidth = hosted.bar.PanelWidth(4);
    EXPECT_EQ(hosted.status.geometry(), QRect(0, 400 - before, 600, before));

    hosted.bar.Font().setSize(24);
    const int after = hosted.status.height();
    EXPECT_GT(after, before);
    EXPECT_EQ(hosted.status.geometry(), QRect(0, 400 - after, 600, after));
    EXPECT_EQ(hosted.panelRect(1).bottom() + 1, after);
    EXPECT_GT(hosted.bar.PanelWidth(4), contentsWidth);

    hosted.host.resize(800, 300);
    EXPECT_EQ(hosted.status.geometry(), QRect(0, 300 - after, 800, after));
    EXPECT_EQ(hosted.panelRect(4).right() + 1, 800);

    // In a layout the layout places it; docking keeps only the height.
    HostedBar laidOut(true);
    const int height = laidOut.status.height();
    laidOut.host.resize(500, 300);
    EXPECT_EQ(laidOut.status.geometry(), QRect(0, 0, 500, height));
    EXPECT_EQ(laidOut.panelRect(3).right() + 1, 500);
}

TEST(QtStatusWindow, SizeGripRebuildKeepsPanels) {
    HostedBar hosted;
    const int height = hosted.status.height();
    const QImage before = hosted.shot().copy(380, 0, 120, height);
    const statusbar::WindowHandle first = hosted.bar.hWnd();

    hosted.bar.setSizeGrip(true);
    EXPECT_TRUE(hosted.bar.SizeGrip());
    EXPECT_NE(hosted.bar.hWnd(), first);
    EXPECT_EQ(hosted.status.windowStyle(first), 0U);
    ASSERT_EQ(hosted.status.height(), height);  // both fonts stay below the least height
    EXPECT_EQ(hosted.panelRect(2), QRect(360, 0, 120, height));  // 20 pixels left to the grip
    const QImage shot = hosted.shot();
    EXPECT_EQ(shot.copy(360, 0, 120, height), before);

    auto* panels = qobject_cast<StatusPanels*>(hosted.status.childAt(440, 5));
    ASSERT_NE(panels, nullptr);
    auto* grip = panels->findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->isVisibleTo(&hosted.host));
    EXPECT_GE(grip->geometry().left(), 580);
    EXPECT_EQ(grip->geometry().bottom(), height - 1);
}

}  // namespace
}  // namespace rennlupe::desktop
