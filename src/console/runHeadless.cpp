#include "console/runHeadless.h"

#include "bits/SystemClock.h"
#include "console/ConsoleOverlayLibrary.h"
#include "console/ConsoleStatusWindow.h"
#include "console/NoWindowStyle.h"
#include "console/StampingStreamBuf.h"
#include "platform/eventloop/PollLoop.h"
#include "platform/files/SystemFiles.h"
#include "ui/frmMain.h"

#include <chrono>
#include <ostream>

namespace rennlupe::console {

namespace {
constexpr std::chrono::milliseconds kOutputPause{250};
}  // namespace

int runHeadless(const HeadlessOptions& options, std::ostream& plainOut, std::ostream& err) {
    bits::SystemClock clock;
    StampingStreamBuf stamping(*plainOut.rdbuf(), clock);
    std::ostream stampedOut(&stamping);
    std::ostream& out = options.stamp ? stampedOut : plainOut;
    platform::PollLoop loop;
    ConsoleStatusWindow statusWindow(out);
    ConsoleOverlayLibrary overlayLibrary(out);
    platform::SystemFiles files;
    NoWindowStyle windowStyle;
    ui::frmMain form({loop, statusWindow, overlayLibrary, files, clock, windowStyle, err, &out});
    form.LoadWith(options);
    // Only the outermost loop acts on a signal: the flag ends run(), never a nested pump.
    loop.onSignals([&loop](int) { loop.quit(); });
    form.connectAsAsked(options);
    // The overlay's lines (up to one per position set) reach the output in batches, four
    // a second: every flush that is not part of a wake-up for a datagram costs one of its own.
    loop.startTimer(kOutputPause, [&out] { out.flush(); });
    loop.run();
    return form.Unload() ? 0 : 1;
}

}  // namespace rennlupe::console
