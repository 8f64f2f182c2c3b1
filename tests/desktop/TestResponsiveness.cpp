#include "desktop/DesktopOnQt.h"
#include "support/gameLoopbackAddress.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace rennlupe::desktop {
namespace {

constexpr int kClicks = 100;

// How long a click on the window waits behind the game's traffic: the stand-in
// game streams 100 complete position sets of 24 cars a second meanwhile.
TEST(Responsiveness, ClicksAreAnsweredWhileTheGameStreams) {
    const std::string address = support::gameLoopbackAddress();
    FILE* game = ::popen(
        (std::string(INSIM_SIM_PATH) + " --bind " + address + " --cars 24 --rate 100 --run-for 30")
            .c_str(),
        "r");
    ASSERT_NE(game, nullptr);
    std::array<char, 256> line{};
    ASSERT_NE(std::fgets(line.data(), static_cast<int>(line.size()), game), nullptr);

    DesktopOnQt parts;
    Desktop& desktop = parts.desktop;
    ui::frmMain& form = desktop.form();
    const std::string freePort = std::to_string(support::UdpPeer().address().port);
    desktop.start({address, freePort, std::nullopt, true, 1000});
    ASSERT_TRUE(QTest::qWaitFor(
        [&form] { return form.cmdStartRaceTracker.caption() == "Racetracker läuft"; }, 10000))
        << form.StatusBar.PanelText(1);

    auto* slider = dynamic_cast<QSlider*>(desktop.widgets().find(form.Slider1));
    ASSERT_NE(slider, nullptr);
    int nodeUpdates = 0;  // the viewed car's node, written from the position packets
    form.Label5.Changed.connect([&nodeUpdates] { ++nodeUpdates; });
    bool answered = false;
    form.Slider1.Change.connect([&answered] { answered = true; });
    std::vector<double> latencies;
    QElapsedTimer clicked;
    for (int click = 0; click < kClicks; ++click) {
        form.Slider1.setValue(0);
        answered = false;
        // A click on the track right of the handle: one page step, as the user's would be.
        const QPointF at(slider->width() - 4, slider->height() / 2.0);
        const QPointF global = slider->mapToGlobal(at);
        clicked.start();
        QCoreApplication::postEvent(slider, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                            Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(slider, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                            Qt::LeftButton, {}, {}));
        while (!answered && clicked.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        latencies.push_back(static_cast<double>(clicked.nsecsElapsed()) / 1e6);
        QTest::qWait(30);
    }
    std::sort(latencies.begin(), latencies.end());
    std::cout << "click answered after (ms): median " << latencies[latencies.size() / 2]
              << ", 95th percentile " << latencies[latencies.size() * 95 / 100] << ", slowest "
              << latencies.back() << " (" << kClicks << " clicks, 100 sets/s of 24 cars, "
              << nodeUpdates << " node updates of the viewed car meanwhile)\n";
    parts.window.close();
    ::pclose(game);
}

}  // namespace
}  // namespace rennlupe::desktop
