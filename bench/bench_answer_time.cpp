// How long a click on the window waits behind the game's traffic: the stand-in
// game streams 100 position sets of 24 cars a second while 100 clicks are posted
// into the window's queue. Prints the median, 95th percentile and slowest answer.
#include "bits/SystemClock.h"
#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/QtLoop.h"
#include "desktop/QtOverlayLibrary.h"
#include "desktop/QtStatusWindow.h"
#include "support/FailingFiles.h"
#include "support/gameLoopbackAddress.h"
#include "support/runCommand.h"
#include "support/TemporaryFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kClicks = 100;

}  // namespace

int main(int argc, char** argv) {
    using namespace rennlupe;
    if (std::getenv("DISPLAY") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication application(argc, argv);
    const std::string sim = INSIM_SIM_PATH;
    const std::string address = support::gameLoopbackAddress();
    std::string freePort;
    support::runCommand(sim + " --bind 0.0.0.0 --free-port", freePort);
    // Long enough for the clicks; closing the pipe then waits for the game's end.
    FILE* game = ::popen(
        (sim + " --protocol legacy --bind " + address + " --cars 24 --rate 100 --run-for 20")
            .c_str(),
        "r");
    std::array<char, 256> line{};
    if (game == nullptr || freePort.empty() ||
        std::fgets(line.data(), static_cast<int>(line.size()), game) == nullptr) {
        std::cerr << "the stand-in game did not start\n";
        return 1;
    }

    // The program's parts, its folder a temporary one with the shift picture in it.
    support::TemporaryFolder folder;
    std::filesystem::copy_file(SHIFT_PICTURE_PATH, folder.file("schalten.jpg"));
    support::FailingFiles files;
    files.placeExecutable(folder.file("rennlupe"));
    desktop::QtLoop loop;
    desktop::QtOverlayLibrary overlay(files);
    bits::SystemClock clock;
    std::ostringstream errors;
    desktop::MainWindow window;
    auto* status = new desktop::QtStatusWindow(&window);
    desktop::Desktop desktop({loop, *status, overlay, files, clock, errors}, window);
    status->attach(desktop.form().StatusBar);
    ui::frmMain& form = desktop.form();
    desktop.start({address, freePort.substr(0, freePort.find('\n')), std::nullopt, true, 1000,
                   std::nullopt, "legacy", std::nullopt});
    if (!QTest::qWaitFor(
            [&form] { return form.cmdStartRaceTracker.caption() == "Racetracker läuft"; }, 10000)) {
        std::cerr << "no race within 10 s: " << form.StatusBar.PanelText(1) << "\n";
        return 1;
    }

    auto* slider = dynamic_cast<QSlider*>(desktop.widgets().find(form.Slider1));
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
              << nodeUpdates << " node updates of the viewed car meanwhile, on "
              << QGuiApplication::platformName().toStdString() << ")\n";
    window.close();
    ::pclose(game);
    return 0;
}
