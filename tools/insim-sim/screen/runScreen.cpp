#include "insim-sim/screen/runScreen.h"

#include "desktop/QtLoop.h"
#include "desktop/QuitSignals.h"
#include "desktop/whyNoDisplay.h"
#include "insim-sim/ModernStandInGame.h"
#include "insim-sim/screen/ScreenWindow.h"

#include <QApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace rennlupe::tools {

int runScreen(const SimOptions& options, std::ostream& out, std::ostream& err) {
    if (const auto why = desktop::whyNoDisplay()) {
        err << "insim-sim: --screen: " << *why << "\n";
        return 1;
    }
    // Qt reads no options of ours: the command line was read before.
    static int argc = 1;
    static char name[] = "insim-sim";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    desktop::QtLoop loop;
    ModernStandInGame game(loop, options, out);
    if (!game.open()) {
        return 1;
    }
    ScreenWindow window(
        game.board(), game.race(), [&game] { game.pressShiftB(); },
        [&game](std::uint8_t id) { game.click(id); });
    game.onChange([&window] { window.update(); });
    window.resize(options.screenWidth, options.screenHeight);
    // At the screen's right edge: beside the program's window, which opens at the left.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window.move(std::max(area.left(), area.right() + 1 - options.screenWidth), area.top());
    }
    window.show();
    const desktop::QuitSignals quitSignals([&loop] { loop.quit(); });
    QObject::connect(&application, &QGuiApplication::lastWindowClosed, [&loop] { loop.quit(); });
    if (options.runFor) {
        const auto limit = std::chrono::milliseconds(std::llround(*options.runFor * 1000.0));
        loop.startTimer(limit, [&loop] { loop.quit(); });
    }
    loop.run();
    game.onChange([] {});
    out << "stopped" << std::endl;
    return 0;
}

}  // namespace rennlupe::tools
