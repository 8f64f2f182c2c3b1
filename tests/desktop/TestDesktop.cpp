#include "desktop/Desktop.h"

#include "desktop/BoundImage.h"
#include "desktop/MainWindow.h"
#include "desktop/QtLoop.h"
#include "desktop/QtStatusWindow.h"
#include "desktop/StatusPanels.h"
#include "platform/eventloop/EventLoopConformance.h"
#include "statusbar/ucStatusbar.h"
#include "support/FailingFiles.h"
#include "support/gameLoopbackAddress.h"
#include "support/ManualClock.h"
#include "support/RecordingOverlayLibrary.h"
#include "support/TemporaryFolder.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <QSlider>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace rennlupe::platform {
INSTANTIATE_TEST_SUITE_P(QtLoop, EventLoopConformance,
                         ::testing::Values(EventLoopFactory{
                             "QtLoop", [] { return std::make_unique<desktop::QtLoop>(); }}));
}  // namespace rennlupe::platform

namespace rennlupe::desktop {
namespace {

using statusbar::ucStatusbar;

using Bytes = std::vector<std::uint8_t>;

// The window on the Qt loop and status window, as the program runs it, with a
// recording overlay and its executable (and so its settings) in a folder of its own.
class DesktopWindow : public ::testing::Test {
protected:
    DesktopWindow() {
        files.placeExecutable(folder.file("rennlupe"));
        status->attach(desktop.form().StatusBar);
    }

    void start(ui::StartOptions options = {}) {
        options.keepAliveMs = 3600 * 1000;  // no handshake tries while a test runs
        desktop.start(options);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void startConnected() {
        const std::string freePort = std::to_string(support::UdpPeer().address().port);
        start({gameAddress, freePort, std::nullopt, true});
        ASSERT_EQ(desktop.form().lngServerSocket != 0, true)
            << desktop.form().StatusBar.PanelText(1);
    }

    template <typename Widget>
    Widget& shown(const controls::Control& control) {
        auto* widget = dynamic_cast<Widget*>(desktop.widgets().find(control));
        EXPECT_NE(widget, nullptr) << control.name();
        return *widget;
    }

    // The next datagram the game sees with this identifier, as text (empty if none
    // comes), skipping others; the window's loop runs meanwhile, since the socket sends from it.
    std::string gameReceives(std::string_view id) {
        for (int round = 0; round < 100; ++round) {
            QTest::qWait(10);
            while (!game.quiet()) {
                const Bytes datagram = game.receive(100).value_or(Bytes{});
                const std::string text(datagram.begin(), datagram.end());
                if (text.starts_with(id)) {
                    return text;
                }
            }
        }
        return {};
    }

    bool overlayCalled(std::string_view prefix) const {
        return std::any_of(overlay.calls.begin(), overlay.calls.end(),
                           [prefix](const std::string& call) { return call.starts_with(prefix); });
    }

    support::TemporaryFolder folder;
    support::FailingFiles files;
    QtLoop loop;
    support::RecordingOverlayLibrary overlay;
    support::ManualClock clock{30000.0};
    std::ostringstream errors;
    std::string gameAddress = support::gameLoopbackAddress();
    support::UdpPeer game{gameAddress, 29999};
    MainWindow window;
    QtStatusWindow* status = new QtStatusWindow(&window);  // the window owns it
    Desktop desktop{{loop, *status, overlay, files, clock, errors}, window};
};

TEST_F(DesktopWindow, StartsWithTheWelcomeAndItsHiddenControlsOutOfSight) {
    start();
    ui::frmMain& form = desktop.form();
    EXPECT_EQ(window.windowTitle(), "Rennlupe");
    EXPECT_EQ(form.StatusBar.PanelText(1), ui::frmMain::kWelcome);
    EXPECT_EQ(status->geometry(),
              QRect(0, window.height() - status->height(), window.width(), status->height()));
    for (const controls::Control* hidden : std::initializer_list<const controls::Control*>{
             &form.txtSend, &form.cmdStartRaceTracker, &form.Check1, &form.Frame3, &form.Frame5}) {
        EXPECT_FALSE(shown<QWidget>(*hidden).isVisible()) << hidden->name();
    }
    // "Send" lies beyond the right edge of its group.
    const auto& send = shown<QPushButton>(form.cmdSend);
    EXPECT_FALSE(shown<QGroupBox>(form.Frame1).rect().intersects(send.geometry()));
    EXPECT_TRUE(send.property(QtWindowStyle::kFlatProperty).toBool());
    EXPECT_EQ(shown<QGroupBox>(form.Frame6).title(), "Schrift");
    EXPECT_EQ(shown<QSlider>(form.Slider3).maximum(), 65000);
    EXPECT_EQ(shown<QSlider>(form.Slider5).pageStep(), 5);
    // No logo.jpg beside the program here: the built-in one shows.
    EXPECT_TRUE(shown<BoundImage>(form.Image1).showsBuiltIn());
}

TEST_F(DesktopWindow, PortBoxesTakeOnlyDigitsButOptionsStayWholeAndConnectNeedsTwoPorts) {
    start({std::nullopt, "123456", std::string(20, 'p'), false});
    ui::frmMain& form = desktop.form();
    auto& receive = shown<QLineEdit>(form.txtRecvPort);
    auto& connect = shown<QPushButton>(form.cmdConnect);
    EXPECT_EQ(shown<QLineEdit>(form.txtPassword).text().size(), 20);
    QTest::mouseClick(&connect, Qt::LeftButton);
    EXPECT_NE(form.StatusBar.PanelText(1).find("\"123456\""), std::string::npos);

    receive.selectAll();
    QTest::keyClicks(&receive, "507x-");
    EXPECT_EQ(receive.text(), "507");
    QTest::keyClick(&receive, Qt::Key_Backspace);
    // Nothing but digits from the keyboard: not with Alt, not from a dead key or an
    // input method, not a digit from beyond the basic plane.
    QTest::keyClick(&receive, 'x', Qt::AltModifier);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("é1"));
    QApplication::sendEvent(&receive, &composed);
    QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("𝟏"));
    QApplication::sendEvent(&receive, &wide);
    QTest::keyClicks(&receive, "2345");
    EXPECT_EQ(form.txtRecvPort.text(), "50123");  // five at the most

    receive.selectAll();
    QTest::keyClicks(&receive, "29999");
    EXPECT_FALSE(connect.isEnabled());  // the same port as the game's
    QTest::keyClick(&receive, Qt::Key_Backspace);
    EXPECT_TRUE(connect.isEnabled());
    QTest::mouseClick(&connect, Qt::LeftButton);
    EXPECT_EQ(connect.text(), "Cancel");
}

TEST_F(DesktopWindow, DraggingThePictureSliderShowsThePictureAndLeavingItHidesIt) {
    start();
    ui::frmMain& form = desktop.form();
    auto& slider = shown<QSlider>(form.Slider5);
    const int middle = slider.height() / 2;
    QTest::mousePress(&slider, Qt::LeftButton, {}, {4, middle});
    QTest::mouseMove(&slider, {slider.width() / 2, middle});
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, {slider.width() / 2, middle});
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos -1 "));
    EXPECT_FALSE(overlayCalled("GPPIC_ShowPicturePos 0 "));
    QTest::mouseClick(&shown<QLineEdit>(form.txtIP), Qt::LeftButton);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos 0 "));
}

TEST_F(DesktopWindow, StoredSlidersShowAtStartChatGoesOutAndClosingWritesThemAndEndsTheLink) {
    support::TemporaryFolder::write(folder.file("rennlupe.ini"),
                                    "[Positionen]\r\nFarbe=300\r\nGrafik X=1200\r\n");
    support::TemporaryFolder::write(folder.file("logo.jpg"), "not a picture");
    startConnected();
    ui::frmMain& form = desktop.form();
    EXPECT_EQ(shown<QSlider>(form.Slider3).value(), 300);
    EXPECT_EQ(shown<QSlider>(form.Slider5).value(), 1000);  // clamped to the range
    EXPECT_TRUE(shown<BoundImage>(form.Image1).showsBuiltIn());

    // The window never shows the chat box; here it gets input as if it did.
    form.txtSend.setEnabled(true);
    form.txtSend.setVisible(true);
    auto& chat = shown<QLineEdit>(form.txtSend);
    QTest::keyClick(&chat, Qt::Key_Return);  // an empty box sends nothing
    QTest::keyClicks(&chat, "hallo");
    QTest::keyClick(&chat, Qt::Key_Return);
    EXPECT_EQ(chat.text(), "");
    EXPECT_EQ(gameReceives("MST").find("hallo"), 4U);

    auto& size = shown<QSlider>(form.Slider4);
    size.setFocus();
    QTest::keyClick(&size, Qt::Key_Right);
    window.close();
    EXPECT_EQ(desktop.exitCode(), 0);
    EXPECT_FALSE(gameReceives("ISC").empty());
    const std::string ini = support::TemporaryFolder::read(folder.file("rennlupe.ini"));
    EXPECT_NE(ini.find(std::string("Gr\xF6\xDF") + "e=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Grafik X=1000"), std::string::npos) << ini;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(desktop.fahrerinfoWindow(), nullptr);
    EXPECT_EQ(desktop.abstaendeWindow(), nullptr);
}

TEST_F(DesktopWindow, SideWindowsStayHiddenAndTheirSlidersSetTheirOpacity) {
    start();
    ui::frmMain& form = desktop.form();
    FahrerinfoWindow* info = desktop.fahrerinfoWindow();
    AbstaendeWindow* gaps = desktop.abstaendeWindow();
    ASSERT_TRUE(info != nullptr && gaps != nullptr);
    EXPECT_FALSE(info->isVisible() || gaps->isVisible());
    const auto& first = shown<QLabel>(form.abstaende.lblPosition[0]);
    EXPECT_EQ(first.text(), "01");
    EXPECT_EQ(
        shown<QLabel>(form.abstaende.lblPosition[1]).geometry().top() - first.geometry().top(), 16);
    EXPECT_EQ(first.font().family(), "Arial");

    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderToMinimum);
    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(gaps->windowOpacity(), 129.0 / 255.0, 0.01);
    EXPECT_TRUE(gaps->property(QtWindowStyle::kLayeredProperty).toBool());
    shown<QSlider>(form.fahrerinfo.Slider1).triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_NEAR(info->windowOpacity(), 254.0 / 255.0, 0.01);
    EXPECT_NEAR(gaps->windowOpacity(), 129.0 / 255.0, 0.01);
}

// The main window's bar (one spring panel), then a raised and a borderless
// panel: on 600 pixels the edges are 380, 500 and 600.
struct HostedBar {
    QWidget host;
    QtStatusWindow status{&host};
    ucStatusbar bar{status};
    std::string events;

    HostedBar() {
        status.attach(bar);
        host.resize(600, 400);
        // Each event as its kind, its panel and its button.
        bar.PanelClick = [this](auto p, auto b) { events += "c" + std::to_string(10 * p + b); };
        bar.PanelDblClick = [this](auto p, auto b) { events += "d" + std::to_string(10 * p + b); };
        bar.Initialize(false, true);
        bar.AddPanel(0, 100, 0, ucStatusbar::kSpring, "Willkommen! Ports, Passwort, ggf. IP");
        bar.AddPanel(0x200, 50, 120, ucStatusbar::kFixed, "Zwei");
        bar.AddPanel(0x100, 50, 100, ucStatusbar::kFixed, "Drei", "Tipp drei");
        host.show();
        EXPECT_NE(panels(), nullptr);
    }

    StatusPanels* panels() { return qobject_cast<StatusPanels*>(status.childAt(440, 5)); }
    QImage shot() { return status.grab().toImage(); }
    QRect panelRect(std::int32_t panel) {
        std::int32_t x1 = -1, y1 = -1, x2 = -1, y2 = -1;
        bar.GetPanelRect(panel, x1, y1, x2, y2);
        return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    }
};

TEST(QtStatusWindow, DrawsBordersTextsAndIconsInTheirPanels) {
    HostedBar hosted;
    StatusPanels* panels = hosted.panels();
    const int height = hosted.status.height();
    EXPECT_EQ(hosted.panelRect(1), QRect(0, 0, 380, height));
    EXPECT_EQ(hosted.panelRect(2), QRect(380, 0, 120, height));
    EXPECT_EQ(hosted.panelRect(3), QRect(500, 0, 100, height));

    const QRgb dark = panels->palette().color(QPalette::Dark).rgb();
    const QRgb light = panels->palette().color(QPalette::Light).rgb();
    const QRgb background = panels->palette().color(QPalette::Window).rgb();
    const QImage shot = hosted.shot();
    const int middle = height / 2;
    const int xs[] = {0, 379, 380, 499, 500, 599};  // sunken, raised, no border
    const QRgb colours[] = {dark, light, light, dark, background, background};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(shot.pixel(xs[i], middle), colours[i]) << xs[i];
    }
    int inked = 0;  // text is dark on a light background whatever the font
    for (int x = 1; x < 379; ++x) {
        inked += qGray(background) - qGray(shot.pixel(x, middle)) > 80 ? 1 : 0;
    }
    EXPECT_GT(inked, 5);

    // A new text changes its panel's inside and nothing else.
    hosted.bar.setPanelText(2, "Zweiter Text, länger");
    QImage masked[] = {shot, hosted.shot()};
    EXPECT_NE(masked[0], masked[1]);
    for (QImage& image : masked) {
        QPainter(&image).fillRect(hosted.panelRect(2).adjusted(1, 1, -1, -1), Qt::black);
    }
    EXPECT_EQ(masked[0], masked[1]);

    // Rebuilt with a size grip, the panels keep their look, 20 pixels to the left.
    const QImage before = hosted.shot();
    hosted.bar.setSizeGrip(true);
    EXPECT_EQ(hosted.shot().copy(360, 0, 120, height), before.copy(380, 0, 120, height));
    auto* grip = hosted.panels()->findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->isVisibleTo(&hosted.host));
    EXPECT_GE(grip->geometry().left(), 580);
}

TEST(QtStatusWindow, ReportsClicksAndShowsTipsOfThePanelUnderTheMouse) {
    HostedBar hosted;
    StatusPanels* panels = hosted.panels();
    const QPoint onTwo(440, hosted.status.height() / 2);
    const auto hover = [&](int x) {
        const QPoint at(x, onTwo.y());
        QHelpEvent help(QEvent::ToolTip, at, panels->mapToGlobal(at));
        QApplication::sendEvent(panels, &help);
        return QToolTip::text().toStdString();
    };
    EXPECT_EQ(hover(550), "Tipp drei");
    // Without a tip of its own, a panel too narrow for its text shows the whole text.
    hosted.bar.setPanelText(2, "Could not create server socket! (permission denied)");
    EXPECT_EQ(hover(440), "Could not create server socket! (permission denied)");
    hosted.bar.setPanelText(2, "Zwei");
    EXPECT_NE(hover(440), "Zwei");
    QToolTip::hideText();

    QTest::mouseClick(panels, Qt::RightButton, {}, onTwo);
    // As a user's double-click arrives: press, release, double-click, release.
    QTest::mousePress(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseRelease(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseDClick(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseRelease(panels, Qt::LeftButton, {}, onTwo);
    QTest::mouseClick(panels, Qt::LeftButton, {}, onTwo);
    hosted.bar.setPanelAutosize(1, ucStatusbar::kFixed);
    hosted.bar.setPanelWidth(3, 60);  // the panels now end at 560
    QTest::mouseClick(panels, Qt::LeftButton, {}, QPoint(580, onTwo.y()));
    EXPECT_EQ(hosted.events, "c22c21d21c21");

    hosted.bar.PanelClick = [](std::int32_t, std::int32_t) { throw std::runtime_error("kaputt"); };
    std::ostringstream errors;
    std::streambuf* const standardError = std::cerr.rdbuf(errors.rdbuf());
    EXPECT_NO_THROW(QTest::mouseClick(panels, Qt::LeftButton, {}, onTwo));
    std::cerr.rdbuf(standardError);
    EXPECT_NE(errors.str().find("kaputt"), std::string::npos);
}

TEST(QtStatusWindow, FollowsItsFontAndStaysDockedAtTheHostsBottom) {
    HostedBar hosted;
    hosted.bar.AddPanel(0, 10, 0, ucStatusbar::kContents, "Inhalt");
    const int before = hosted.status.height();
    const std::int32_t contentsWidth = hosted.bar.PanelWidth(4);
    hosted.bar.Font().setSize(24);
    const int after = hosted.status.height();
    EXPECT_GT(after, before);
    EXPECT_EQ(hosted.panelRect(1).bottom() + 1, after);
    EXPECT_GT(hosted.bar.PanelWidth(4), contentsWidth);
    hosted.host.resize(800, 300);
    EXPECT_EQ(hosted.status.geometry(), QRect(0, 300 - after, 800, after));
    EXPECT_EQ(hosted.panelRect(4).right() + 1, 800);
}

}  // namespace
}  // namespace rennlupe::desktop
