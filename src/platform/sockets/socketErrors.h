#pragma once

// The shim's error state, which both platforms' files keep the same way: the last
// failure's Windows Sockets number, and the test hook that fails the next receive.
namespace rennlupe::platform {

void setLastError(int error);
// True, with the hook's error as the last error, when a test asked for this failure.
bool failsByTestHook();

}  // namespace rennlupe::platform
