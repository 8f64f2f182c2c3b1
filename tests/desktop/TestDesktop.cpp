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
#include <QComboBox>
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

namespace rennlupe::platform {
INSTANTIATE_TEST_SUITE_P(QtLoop, EventLoopConformance,
                         ::testing::Values(EventLoopFactory{
                             "QtLoop", [] { return std::make_unique<desktop::QtLoop>(); }}));
}  // namespace rennlupe::platform

namespace rennlupe::desktop {
namespace {

using statusbar::ucStatusbar;

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

    template <typename Widget>
    Widget& shown(const controls::Control& control) {
        auto* widget = dynamic_cast<Widget*>(desktop.widgets().find(control));
        EXPECT_NE(widget, nullptr) << control.name();
        return *widget;
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
    ui::frmMain& form = desktop.form();
};

TEST_F(DesktopWindow, StartsWithHiddenPartsAndItsSlidersPreviewThePictureAndSetSideOpacity) {
    start();
    FahrerinfoWindow* info = desktop.fahrerinfoWindow();
    AbstaendeWindow* gaps = desktop.abstaendeWindow();
    ASSERT_TRUE(info != nullptr && gaps != nullptr);
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{
             &shown<QWidget>(form.txtSend), &shown<QWidget>(form.cmdStartRaceTracker),
             &shown<QWidget>(form.Check1), &shown<QWidget>(form.Frame3),
             &shown<QWidget>(form.Frame5), info, gaps}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    const auto& first = shown<QLabel>(form.abstaende.lblPosition[0]);
    EXPECT_EQ(first.text() + first.font().family(), "01Arial");
    EXPECT_EQ(
        shown<QLabel>(form.abstaende.lblPosition[1]).geometry().top() - first.geometry().top(), 16);

    // Dragging the picture slider shows the picture; it hides when the slider loses the focus.
    auto& slider = shown<QSlider>(form.Slider5);
    const int middle = slider.height() / 2;
    QTest::mousePress(&slider, Qt::LeftButton, {}, {4, middle});
    QTest::mouseMove(&slider, {slider.width() / 2, middle});
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, {slider.width() / 2, middle});
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos -1 "));
    EXPECT_FALSE(overlayCalled("GPPIC_ShowPicturePos 0 "));
    QTest::mouseClick(&shown<QLineEdit>(form.txtIP), Qt::LeftButton);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos 0 "));

    // Each side window's slider sets its own opacity, and a see-through window is layered.
    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderToMinimum);
    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(gaps->windowOpacity(), 129.0 / 255.0, 0.01);
    EXPECT_TRUE(gaps->property(QtWindowStyle::kLayeredProperty).toBool());
    shown<QSlider>(form.fahrerinfo.Slider1).triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_NEAR(info->windowOpacity(), 254.0 / 255.0, 0.01);
}

TEST_F(DesktopWindow, PortBoxesTakeOnlyDigitsButOptionsStayWholeAndConnectNeedsTwoPorts) {
    ui::StartOptions options;
    options.recvPort = "123456";
    options.password = std::string(20, 'p');
    start(options);
    auto& receive = shown<QLineEdit>(form.txtRecvPort);
    auto& connect = shown<QPushButton>(form.cmdConnect);
    EXPECT_EQ(shown<QLineEdit>(form.txtPassword).text().size(), 20);
    QTest::mouseClick(&connect, Qt::LeftButton);
    EXPECT_NE(form.StatusBar.PanelText(1).find("\"123456\""), std::string::npos);

    // Nothing but digits from the keyboard: not with Alt, not from a dead key or an
    // input method, not a digit from beyond the basic plane.
    receive.selectAll();
    QTest::keyClicks(&receive, "50x-");
    QTest::keyClick(&receive, 'x', Qt::AltModifier);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("é1"));
    QApplication::sendEvent(&receive, &composed);
    QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("𝟏"));
    QApplication::sendEvent(&receive, &wide);
    QTest::keyClicks(&receive, "2345");
    EXPECT_EQ(form.txtRecvPort.text(), "50123");  // five at the most
    QTest::mouseClick(&connect, Qt::LeftButton);
    EXPECT_EQ(connect.text(), "Cancel");
}

TEST_F(DesktopWindow, StoredSlidersShowAtStartChatGoesOutAndClosingWritesThem) {
    support::TemporaryFolder::write(folder.file("rennlupe.ini"),
                                    "[Positionen]\r\nGrafik X=1200\r\n");
    support::TemporaryFolder::write(folder.file("logo.jpg"), "not a picture");
    const std::string freePort = std::to_string(support::UdpPeer().address().port);
    ui::StartOptions options;
    options.host = gameAddress;
    options.recvPort = freePort;
    options.connect = true;
    options.gamePort = "29999";
    options.protocol = "legacy";
    options.trend = "off";
    start(options);
    EXPECT_EQ(shown<QSlider>(form.Slider5).value(), 1000);  // clamped to the range
    auto& protocol = shown<QComboBox>(form.cboProtocol);
    EXPECT_EQ(protocol.currentText().toStdString() + (protocol.isEnabled() ? " open" : " fixed"),
              "legacy fixed");  // the choice holds while connected
    EXPECT_TRUE(shown<BoundImage>(form.Image1).showsBuiltIn());

    // The window never shows the chat box; here it gets input as if it did.
    form.txtSend.setEnabled(true);
    form.txtSend.setVisible(true);
    auto& chat = shown<QLineEdit>(form.txtSend);
    QTest::keyClick(&chat, Qt::Key_Return);  // an empty box sends nothing
    QTest::keyClicks(&chat, "hallo");
    QTest::keyClick(&chat, Qt::Key_Return);
    EXPECT_EQ(chat.text(), "");
    std::string sent;  // the game's datagrams, one at a time, until the chat comes
    EXPECT_TRUE(QTest::qWaitFor([&] {
        if (const auto datagram = game.quiet() ? std::nullopt : game.receive(100)) {
            sent.assign(datagram->begin(), datagram->end());
        }
        return sent.starts_with("MST");
    })) << form.StatusBar.PanelText(1);
    EXPECT_EQ(sent.find("hallo"), 4U);

    window.close();
    EXPECT_EQ(desktop.exitCode(), 0);
    const std::string ini = support::TemporaryFolder::read(folder.file("rennlupe.ini"));
    EXPECT_NE(ini.find("Grafik X=1000"), std::string::npos) << ini;  // the clamped value
    EXPECT_NE(ini.find("[Verbindung]\r\nProtokoll=legacy\r\nSpielport=29999\r\n"),
              std::string::npos)
        << ini;
    EXPECT_NE(ini.find("Trendfarben=off\r\n"), std::string::npos) << ini;  // as --trend said
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

TEST(QtStatusWindow, DrawsPanelsThatFollowTheirTextTheSizeGripAndTheFont) {
    HostedBar hosted;
    const int height = hosted.status.height();
    EXPECT_EQ(hosted.panelRect(1), QRect(0, 0, 380, height));
    EXPECT_EQ(hosted.panelRect(2), QRect(380, 0, 120, height));
    EXPECT_EQ(hosted.panelRect(3), QRect(500, 0, 100, height));

    const QPalette& palette = hosted.panels()->palette();
    const QImage shot = hosted.shot();
    const int xs[] = {0, 379, 380, 499, 500, 599};  // sunken, raised, no border
    const QPalette::ColorRole roles[] = {QPalette::Dark, QPalette::Light,  QPalette::Light,
                                         QPalette::Dark, QPalette::Window, QPalette::Window};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(shot.pixel(xs[i], height / 2), palette.color(roles[i]).rgb()) << xs[i];
    }

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

    // A larger font makes the bar taller and a contents panel wider; it stays docked.
    hosted.bar.AddPanel(0, 10, 0, ucStatusbar::kContents, "Inhalt");
    const std::int32_t contentsWidth = hosted.bar.PanelWidth(4);
    hosted.bar.Font().setSize(24);
    const int taller = hosted.status.height();
    EXPECT_GT(taller, height);
    EXPECT_GT(hosted.bar.PanelWidth(4), contentsWidth);
    hosted.host.resize(800, 300);
    EXPECT_EQ(hosted.status.geometry(), QRect(0, 300 - taller, 800, taller));
    EXPECT_EQ(hosted.panelRect(4).right() + 1, 780);  // the size grip takes the last 20
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

}  // namespace
}  // namespace rennlupe::desktop
