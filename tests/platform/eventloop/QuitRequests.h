#pragma once

namespace rennlupe::platform {

// Asks this process to quit twice, as its system lets a user: SIGINT then
// SIGTERM (POSIX), Ctrl-C then Ctrl-Break (Windows console).
void raiseQuitRequests();

}  // namespace rennlupe::platform
