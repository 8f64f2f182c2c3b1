#include "QuitRequests.h"

#include <windows.h>

namespace rennlupe::platform {

// The quit requests as the console makes them: Ctrl-C, then Ctrl-Break (taken as
// SIGTERM, like a close of the window). On a console of its own, so that they
// reach no other program (ctest) that shared the first one.
void raiseQuitRequests() {
    ::FreeConsole();
    ::AllocConsole();
    ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0);
}

}  // namespace rennlupe::platform
