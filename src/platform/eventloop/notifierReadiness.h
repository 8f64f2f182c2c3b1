#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/readiness.h"
#include "platform/eventloop/WatchArming.h"

// For a loop that a read and a write notifier per descriptor wake (the Qt
// loop): which notifier a watch needs, and what holds when one fires.
namespace rennlupe::platform {

bool waitsToRead(const WatchArming& watch);
bool waitsToWrite(const WatchArming& watch);

// Asks the descriptor, without waiting, what holds for the watch now. A
// descriptor closed without being unwatched makes the watch quiet.
ReadinessCodes readyNow(EventLoop::Descriptor descriptor, WatchArming& watch);

}  // namespace rennlupe::platform
