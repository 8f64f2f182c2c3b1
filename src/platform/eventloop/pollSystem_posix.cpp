#include "platform/eventloop/pollSystem.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

namespace rennlupe::platform {

static_assert(kPollIn == POLLIN && kPollOut == POLLOUT && kPollError == POLLERR &&
              kPollHangUp == POLLHUP && kPollInvalid == POLLNVAL && kPollPeerClosed == POLLRDHUP);

namespace {

volatile sig_atomic_t g_signalWrite = -1;
int g_signalRead = -1;
struct sigaction g_previousInt {};
struct sigaction g_previousTerm {};

void writeSignal(int signal) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = ::write(g_signalWrite, &byte, 1);
    errno = saved;
}

}  // namespace

int pollDescriptors(std::span<PolledDescriptor> polled, int timeoutMilliseconds) {
    // Kept between calls, so that a wait allocates nothing once the set stops growing.
    thread_local std::vector<pollfd> system;
    system.clear();
    for (const PolledDescriptor& entry : polled) {
        system.push_back({static_cast<int>(entry.descriptor), entry.events, 0});
    }
    const int ready = ::poll(system.data(), system.size(), timeoutMilliseconds);
    for (std::size_t i = 0; i < polled.size(); ++i) {
        polled[i].revents = ready > 0 ? system[i].revents : 0;
    }
    return ready;
}

bool nothingLeftToRead(std::intptr_t descriptor) {
    int waiting = 0;
    return ::ioctl(static_cast<int>(descriptor), FIONREAD, &waiting) == 0 && waiting == 0;
}

std::intptr_t openQuitWake() {
    if (g_signalRead >= 0) {
        return g_signalRead;
    }
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    g_signalRead = ends[0];
    g_signalWrite = ends[1];
    struct sigaction action {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_previousInt);
    ::sigaction(SIGTERM, &action, &g_previousTerm);
    return g_signalRead;
}

std::size_t takeQuitRequests(std::span<unsigned char> into) {
    if (g_signalRead < 0) {
        return 0;
    }
    const auto count = ::read(g_signalRead, into.data(), into.size());
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

void closeQuitWake() {
    if (g_signalRead < 0) {
        return;
    }
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
    ::close(g_signalRead);
    ::close(g_signalWrite);
    g_signalWrite = -1;
    g_signalRead = -1;
}

}  // namespace rennlupe::platform
