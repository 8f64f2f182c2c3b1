#include "desktop/Desktop.h"

#include "desktop/BoundImage.h"
#include "desktop/DesktopOnQt.h"
#include "desktop/QtLoop.h"
#include "support/FailingFiles.h"
#include "support/gameLoopbackAddress.h"
#include "support/ManualClock.h"
#include "support/RecordingOverlayLibrary.h"
#include "support/RecordingStatusWindow.h"
#include "support/TemporaryFolder.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace rennlupe::desktop {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DesktopWindow : public ::testing::Test {
protected:
    DesktopWindow() { files.placeExecutable(folder.file("rennlupe")); }

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

    // The next datagram the game sees with this identifier, skipping others; the
    // window's loop runs meanwhile, since the socket sends from it.
    std::optional<Bytes> gameReceives(std::string_view id) {
        for (int round = 0; round < 100; ++round) {
            QTest::qWait(10);
            while (!game.quiet()) {
                auto datagram = game.receive(100);
                if (datagram && datagram->size() >= 3 &&
                    std::string(datagram->begin(), datagram->begin() + 3) == id) {
                    return datagram;
                }
            }
        }
        return std::nullopt;
    }

    bool overlayCalled(std::string_view prefix) const {
        return std::any_of(overlay.calls.begin(), overlay.calls.end(),
                           [prefix](const std::string& call) { return call.starts_with(prefix); });
    }

    support::TemporaryFolder folder;
    support::FailingFiles files;
    QtLoop loop;
    support::RecordingStatusWindow statusWindow;
    support::RecordingOverlayLibrary overlay;
    support::ManualClock clock{30000.0};
    std::ostringstream errors;
    std::string gameAddress = support::gameLoopbackAddress();
    support::UdpPeer game{gameAddress, 29999};
    MainWindow window;
    Desktop desktop{{loop, statusWindow, overlay, files, clock, errors}, window};
};

TEST_F(DesktopWindow, StartsWithTheWelcomeAndItsHiddenControlsOutOfSight) {
    start();
    ui::frmMain& form = desktop.form();
    EXPECT_EQ(window.windowTitle(), "Rennlupe");
    EXPECT_EQ(form.StatusBar.PanelText(1), ui::frmMain::kWelcome);
    EXPECT_EQ(shown<QLineEdit>(form.txtSendPort).text(), "29999");
    EXPECT_EQ(shown<QLineEdit>(form.txtRecvPort).text(), "50");
    EXPECT_EQ(shown<QPushButton>(form.cmdConnect).text(), "Connect");
    EXPECT_TRUE(shown<QPushButton>(form.cmdConnect).isEnabled());
    EXPECT_TRUE(shown<QLineEdit>(form.txtIP).isVisible());
    for (const controls::Control* hidden : std::initializer_list<const controls::Control*>{
             &form.txtSend, &form.cmdStartRaceTracker, &form.Check1, &form.Frame3, &form.Frame5}) {
        EXPECT_FALSE(shown<QWidget>(*hidden).isVisible()) << hidden->name();
    }
    // "Send" lies beyond the right edge of its group.
    const auto& send = shown<QPushButton>(form.cmdSend);
    EXPECT_FALSE(shown<QGroupBox>(form.Frame1).rect().intersects(send.geometry()));
    EXPECT_EQ(shown<QGroupBox>(form.Frame6).title(), "Schrift");
    EXPECT_EQ(shown<QGroupBox>(form.Frame7).title(), "Grafik");
    EXPECT_EQ(shown<QLabel>(form.lblSlider4).text(), "Schriftgröße");
    EXPECT_EQ(shown<QSlider>(form.Slider3).maximum(), 65000);
    EXPECT_EQ(shown<QSlider>(form.Slider4).pageStep(), 1);
    EXPECT_EQ(shown<QSlider>(form.Slider5).pageStep(), 5);
    for (const controls::Control* flat : std::initializer_list<const controls::Control*>{
             &form.cmdConnect, &form.txtSendPort, &form.txtIP, &form.cmdSend}) {
        EXPECT_TRUE(shown<QWidget>(*flat).property(QtWindowStyle::kFlatProperty).toBool())
            << flat->name();
    }
    // No logo.jpg beside the program here: the built-in one shows.
    EXPECT_TRUE(shown<BoundImage>(form.Image1).showsBuiltIn());
    EXPECT_FALSE(shown<BoundImage>(form.Image1).pixmap().isNull());
}

TEST_F(DesktopWindow, PortBoxesTakeOnlyDigitsAndConnectNeedsTwoDifferentPorts) {
    start();
    ui::frmMain& form = desktop.form();
    auto& receive = shown<QLineEdit>(form.txtRecvPort);
    auto& connect = shown<QPushButton>(form.cmdConnect);
    QTest::keyClicks(&receive, "7x-");
    EXPECT_EQ(receive.text(), "507");
    QTest::keyClick(&receive, Qt::Key_Backspace);
    EXPECT_EQ(form.txtRecvPort.text(), "50");
    // Nothing but digits from the keyboard: not with Alt, not from a dead key or an
    // input method, not a digit from beyond the basic plane.
    QTest::keyClick(&receive, 'x', Qt::AltModifier);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("é1"));
    QApplication::sendEvent(&receive, &composed);
    QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("𝟏"));
    QApplication::sendEvent(&receive, &wide);
    EXPECT_EQ(form.txtRecvPort.text(), "501");
    QTest::keyClicks(&receive, "2345");
    EXPECT_EQ(receive.text(), "50123");  // five at the most
    QTest::keyClick(&receive, Qt::Key_Backspace);
    QTest::keyClick(&receive, Qt::Key_Backspace);
    QTest::keyClick(&receive, Qt::Key_Backspace);
    EXPECT_EQ(form.txtRecvPort.text(), "50");

    receive.selectAll();
    QTest::keyClick(&receive, Qt::Key_Backspace);
    EXPECT_EQ(form.txtRecvPort.text(), "");
    EXPECT_FALSE(connect.isEnabled());
    QTest::keyClicks(&receive, "29999");
    EXPECT_FALSE(connect.isEnabled());  // the same port as the game's
    QTest::keyClick(&receive, Qt::Key_Backspace);
    EXPECT_TRUE(connect.isEnabled());
    QTest::mouseClick(&connect, Qt::LeftButton);
    EXPECT_EQ(connect.text(), "Cancel");
}

TEST_F(DesktopWindow, EnterInTheChatBoxSendsWhatWasTypedAndEmptiesIt) {
    startConnected();
    ui::frmMain& form = desktop.form();
    // The window never shows the chat box; here it gets input as if it did.
    form.txtSend.setEnabled(true);
    form.txtSend.setVisible(true);
    auto& chat = shown<QLineEdit>(form.txtSend);
    QTest::keyClick(&chat, Qt::Key_Return);
    EXPECT_FALSE(gameReceives("MST").has_value());
    QTest::keyClicks(&chat, "hallo");
    QTest::keyClick(&chat, Qt::Key_Return);
    EXPECT_EQ(chat.text(), "");
    const auto message = gameReceives("MST");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(message->data()) + 4, 5), "hallo");
}

TEST_F(DesktopWindow, DraggingThePictureSliderShowsThePictureAndLeavingItHidesIt) {
    start();
    ui::frmMain& form = desktop.form();
    auto& slider = shown<QSlider>(form.Slider5);
    const int middle = slider.height() / 2;
    QTest::mousePress(&slider, Qt::LeftButton, {}, {4, middle});
    QTest::mouseMove(&slider, {slider.width() / 2, middle});
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, {slider.width() / 2, middle});
    EXPECT_GT(form.Slider5.value(), 0);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos -1 "));
    EXPECT_FALSE(overlayCalled("GPPIC_ShowPicturePos 0 "));

    QTest::keyClick(&slider, Qt::Key_PageUp);
    const std::size_t shownCalls = overlay.calls.size();
    QTest::mouseClick(&shown<QLineEdit>(form.txtIP), Qt::LeftButton);
    EXPECT_GT(overlay.calls.size(), shownCalls);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos 0 "));

    // The wheel over the other slider shows the picture too, and leaving hides it again.
    overlay.calls.clear();
    auto& other = shown<QSlider>(form.Slider6);
    const QPointF over(other.width() / 2.0, other.height() / 2.0);
    QWheelEvent wheel(over, other.mapToGlobal(over), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&other, &wheel);
    EXPECT_GT(form.Slider6.value(), 0);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos -1 "));
    QTest::mouseClick(&shown<QLineEdit>(form.txtIP), Qt::LeftButton);
    EXPECT_TRUE(overlayCalled("GPPIC_ShowPicturePos 0 "));
}

TEST_F(DesktopWindow, OptionsLongerThanABoxTypesStayWhole) {
    start({std::nullopt, "123456", std::string(20, 'p'), false});
    ui::frmMain& form = desktop.form();
    EXPECT_EQ(shown<QLineEdit>(form.txtRecvPort).text(), "123456");
    EXPECT_EQ(shown<QLineEdit>(form.txtPassword).text().size(), 20);
    QTest::mouseClick(&shown<QPushButton>(form.cmdConnect), Qt::LeftButton);
    EXPECT_NE(form.StatusBar.PanelText(1).find("\"123456\""), std::string::npos);
}

TEST_F(DesktopWindow, StoredSlidersShowAtStartAndClosingWritesThemAndEndsTheLink) {
    support::TemporaryFolder::write(folder.file("rennlupe.ini"),
                                    "[Positionen]\r\nFarbe=300\r\nGrafik X=1200\r\n");
    support::TemporaryFolder::write(folder.file("logo.jpg"), "not a picture");
    startConnected();
    ui::frmMain& form = desktop.form();
    EXPECT_EQ(shown<QSlider>(form.Slider3).value(), 300);
    EXPECT_EQ(shown<QSlider>(form.Slider5).value(), 1000);  // clamped to the range
    EXPECT_TRUE(shown<BoundImage>(form.Image1).showsBuiltIn());

    auto& size = shown<QSlider>(form.Slider4);
    size.setFocus();
    QTest::keyClick(&size, Qt::Key_Right);
    window.close();
    EXPECT_TRUE(desktop.closed());
    EXPECT_EQ(desktop.exitCode(), 0);
    EXPECT_TRUE(gameReceives("ISC").has_value());
    const std::string ini = support::TemporaryFolder::read(folder.file("rennlupe.ini"));
    EXPECT_NE(ini.find("Farbe=300"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Gr\xF6\xDF"
                       "e=1"),
              std::string::npos)
        << ini;
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
    ASSERT_NE(info, nullptr);
    ASSERT_NE(gaps, nullptr);
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(gaps->isVisible());
    EXPECT_EQ(info->windowTitle(), "Fahrerinfo");
    EXPECT_EQ(gaps->windowTitle(), "Rangliste der Fahrer");
    const auto& first = shown<QLabel>(form.abstaende.lblPosition[0]);
    const auto& second = shown<QLabel>(form.abstaende.lblPosition[1]);
    EXPECT_EQ(first.text(), "01");
    EXPECT_EQ(shown<QLabel>(form.abstaende.lblPosition[19]).text(), "20");
    EXPECT_EQ(second.geometry().top() - first.geometry().top(), 16);
    EXPECT_EQ(first.font().family(), "Arial");
    EXPECT_EQ(shown<QLabel>(form.fahrerinfo.lblNeueBestzeit[4]).text(), "neue BZ");
    EXPECT_EQ(shown<QLabel>(form.fahrerinfo.lbllapcounter[4]).text(), "1");  // the restart's

    EXPECT_DOUBLE_EQ(gaps->windowOpacity(), 1.0);
    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderToMinimum);
    shown<QSlider>(form.abstaende.sldTrans).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(gaps->windowOpacity(), 129.0 / 255.0, 0.01);
    EXPECT_TRUE(gaps->property(QtWindowStyle::kLayeredProperty).toBool());
    shown<QSlider>(form.fahrerinfo.Slider1).triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_NEAR(info->windowOpacity(), 254.0 / 255.0, 0.01);
    EXPECT_NEAR(gaps->windowOpacity(), 129.0 / 255.0, 0.01);
}

// The window on the real status window and overlay, as the program runs it.
TEST(DesktopOnItsOwnParts, ShowsTheStatusBarAtTheBottomAndTheOverlayWhereTheSlidersSay) {
    DesktopOnQt parts;
    Desktop& desktop = parts.desktop;
    MainWindow& window = parts.window;
    QtStatusWindow* status = parts.status;
    QtOverlayLibrary& overlay = parts.overlay;
    desktop.start({});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(status->geometry(),
              QRect(0, window.height() - status->height(), window.width(), status->height()));
    const QImage bar = status->grab().toImage();
    int dark = 0;
    for (int x = 0; x < bar.width() / 2; ++x) {
        dark += bar.pixelColor(x, bar.height() / 2).lightness() < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 10) << "the welcome text";

    ui::frmMain& form = desktop.form();
    form.Slider1.setValue(200);
    form.Slider2.setValue(150);
    form.Slider3.setValue(0x00FF);  // red
    form.Slider4.setValue(30);
    form.form1.TextInDX("V - 1\rH - 2");
    ASSERT_TRUE(overlay.window().isVisible());
    const QImage drawn = overlay.window().grab().toImage();
    const auto reddish = [&drawn](QRect region) {
        int count = 0;
        for (int y = region.top(); y <= region.bottom(); ++y) {
            for (int x = region.left(); x <= region.right(); ++x) {
                const QColor pixel = drawn.pixelColor(x, y);
                count += pixel.red() > 180 && pixel.green() < 80 && pixel.alpha() > 200 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(reddish({200, 150, 120, 30}), 20);
    EXPECT_GT(reddish({200, 180, 120, 30}), 20);  // the second line below the first
    EXPECT_EQ(reddish({0, 0, 190, 140}), 0);
    window.close();
    EXPECT_EQ(desktop.exitCode(), 0);
}

}  // namespace
}  // namespace rennlupe::desktop
