#include "QuitRequests.h"

#include <windows.h>

namespace rennlupe::platform {

// The quit requests as the console makes them: Ctrl-C, then Ctrl-Break (what a
// close of the window also gives the program). A run without a console gets one.
void raiseQuitRequests() {
    ::AllocConsole();
    ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0);
}

}  // namespace rennlupe::platform
