#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The operating system's part of the poll loop: one wait over many sockets, and
// the requests to quit (SIGINT and SIGTERM; on Windows the console's Ctrl-C and
// close) turned into a descriptor that the wait watches.
namespace rennlupe::platform {

// Poll conditions in the program's own bits, turned into the system's at the call.
inline constexpr short kPollIn = 0x1;
inline constexpr short kPollOut = 0x4;
inline constexpr short kPollError = 0x8;
inline constexpr short kPollHangUp = 0x10;
inline constexpr short kPollInvalid = 0x20;
inline constexpr short kPollPeerClosed = 0x2000;

struct PolledDescriptor {
    std::intptr_t descriptor = 0;
    short events = 0;
    short revents = 0;
};

// Waits until one is ready or the time runs out (-1: no limit); how many are ready, or -1.
int pollDescriptors(std::span<PolledDescriptor> polled, int timeoutMilliseconds);
// The peer has ended and nothing it sent is left to read.
bool nothingLeftToRead(std::intptr_t descriptor);

// The quit requests, once opened, wake the wait through this descriptor; -1 when
// it cannot be opened, and the requests then end the program as by default.
std::intptr_t openQuitWake();
// The requests since the last call, as signal numbers (SIGINT 2, SIGTERM 15).
std::size_t takeQuitRequests(std::span<unsigned char> into);
// Gives the requests their default again; the program's own ending is complete.
void closeQuitWake();

}  // namespace rennlupe::platform
