#include "platform/process/QuitSignalPipe.h"

#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

#include <array>

namespace rennlupe::platform {

namespace {

volatile std::sig_atomic_t g_writeEnd = -1;

// The interrupted code may be about to read errno, which write() can change.
extern "C" void writeSignal(int) {
    const int saved = errno;
    const int fd = g_writeEnd;
    if (fd >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = saved;
}

void handleQuitSignals(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

QuitSignalPipe::QuitSignalPipe() {
    std::array<int, 2> ends{};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends.data()) != 0) {
        return;
    }
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    g_writeEnd = m_writeEnd;
    handleQuitSignals(writeSignal);
}

QuitSignalPipe::~QuitSignalPipe() {
    if (m_readEnd < 0) {
        return;
    }
    handleQuitSignals(SIG_DFL);
    g_writeEnd = -1;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void QuitSignalPipe::drain() {
    std::array<char, 64> bytes{};
    while (::read(m_readEnd, bytes.data(), bytes.size()) > 0) {
    }
}

}  // namespace rennlupe::platform
