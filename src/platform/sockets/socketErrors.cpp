#include "platform/sockets/socketErrors.h"

#include "platform/sockets/socket.h"

#include <utility>

namespace rennlupe::platform {

namespace {
thread_local int t_lastError = 0;
thread_local int t_failNextReceive = 0;
}  // namespace

int lastError() {
    return t_lastError;
}

void setLastError(int error) {
    t_lastError = error;
}

bool failsByTestHook() {
    if (t_failNextReceive == 0) {
        return false;
    }
    t_lastError = std::exchange(t_failNextReceive, 0);
    return true;
}

void failNextReceive(int error) {
    t_failNextReceive = error;
}

}  // namespace rennlupe::platform
