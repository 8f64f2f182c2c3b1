#include "platform/eventloop/pollSystem.h"

// Winsock first: windows.h alone would bring the old winsock.h.
#include <winsock2.h>

#include <windows.h>

#include <mutex>
#include <vector>

namespace rennlupe::platform {

namespace {

constexpr unsigned char kInterrupt = 2;   // SIGINT
constexpr unsigned char kTerminate = 15;  // SIGTERM

SOCKET g_wakeRead = INVALID_SOCKET;
SOCKET g_wakeWrite = INVALID_SOCKET;
// The handler runs on a thread of its own: it must not send on a socket being closed.
std::mutex g_wakeLock;
HANDLE g_ended = nullptr;

short toSystem(short events) {
    short system = 0;
    if ((events & kPollIn) != 0) {
        system |= POLLRDNORM;
    }
    if ((events & kPollOut) != 0) {
        system |= POLLWRNORM;
    }
    return system;
}

// Windows says POLLHUP when the peer has ended its sending, which Linux says as
// POLLRDHUP: what is left may still be read.
short fromSystem(short revents) {
    short ours = 0;
    if ((revents & (POLLRDNORM | POLLRDBAND)) != 0) {
        ours |= kPollIn;
    }
    if ((revents & POLLWRNORM) != 0) {
        ours |= kPollOut;
    }
    if ((revents & POLLERR) != 0) {
        ours |= kPollError;
    }
    if ((revents & POLLHUP) != 0) {
        ours |= kPollPeerClosed | kPollIn;
    }
    if ((revents & POLLNVAL) != 0) {
        ours |= kPollInvalid;
    }
    return ours;
}

// Runs on a thread of its own. After the close of the console window, a log-off
// or a shutdown Windows ends the process once this returns, so it waits for the
// program to finish its own ending first.
BOOL WINAPI onConsoleControl(DWORD control) {
    {
        const std::lock_guard lock(g_wakeLock);
        if (g_wakeWrite == INVALID_SOCKET) {
            return FALSE;
        }
        const char request = static_cast<char>(control == CTRL_C_EVENT ? kInterrupt : kTerminate);
        ::send(g_wakeWrite, &request, 1, 0);
    }
    if (control == CTRL_CLOSE_EVENT || control == CTRL_LOGOFF_EVENT ||
        control == CTRL_SHUTDOWN_EVENT) {
        ::WaitForSingleObject(g_ended, INFINITE);
    }
    return TRUE;
}

void closeBoth() {
    const std::lock_guard lock(g_wakeLock);
    ::closesocket(g_wakeRead);
    ::closesocket(g_wakeWrite);
    g_wakeRead = INVALID_SOCKET;
    g_wakeWrite = INVALID_SOCKET;
}

}  // namespace

int pollDescriptors(std::span<PolledDescriptor> polled, int timeoutMilliseconds) {
    thread_local std::vector<WSAPOLLFD> system;
    system.clear();
    for (const PolledDescriptor& entry : polled) {
        system.push_back({static_cast<SOCKET>(entry.descriptor), toSystem(entry.events), 0});
    }
    // WSAPoll refuses an empty set, where poll() just waits.
    if (system.empty()) {
        ::Sleep(timeoutMilliseconds < 0 ? INFINITE : static_cast<DWORD>(timeoutMilliseconds));
        return 0;
    }
    const int ready =
        ::WSAPoll(system.data(), static_cast<ULONG>(system.size()), timeoutMilliseconds);
    for (std::size_t i = 0; i < polled.size(); ++i) {
        polled[i].revents = ready > 0 ? fromSystem(system[i].revents) : short{0};
    }
    return ready == SOCKET_ERROR ? -1 : ready;
}

bool nothingLeftToRead(std::intptr_t descriptor) {
    u_long waiting = 0;
    return ::ioctlsocket(static_cast<SOCKET>(descriptor), FIONREAD, &waiting) == 0 && waiting == 0;
}

// Two loopback datagram sockets connected to each other, so no other sender can
// reach the one the wait watches; the handler's thread sends on the other.
std::intptr_t openQuitWake() {
    if (g_wakeRead != INVALID_SOCKET) {
        return static_cast<std::intptr_t>(g_wakeRead);
    }
    const SOCKET read = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const SOCKET write = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    {
        const std::lock_guard lock(g_wakeLock);
        g_wakeRead = read;
        g_wakeWrite = write;
    }
    sockaddr_in readEnd{};
    readEnd.sin_family = AF_INET;
    readEnd.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    sockaddr_in writeEnd = readEnd;
    int size = sizeof readEnd;
    u_long nonBlocking = 1;
    const auto generic = [](sockaddr_in& address) { return reinterpret_cast<sockaddr*>(&address); };
    if (read == INVALID_SOCKET || write == INVALID_SOCKET ||
        ::bind(read, generic(readEnd), size) != 0 ||
        ::getsockname(read, generic(readEnd), &size) != 0 ||
        ::bind(write, generic(writeEnd), size) != 0 ||
        ::getsockname(write, generic(writeEnd), &size) != 0 ||
        ::connect(write, generic(readEnd), size) != 0 ||
        ::connect(read, generic(writeEnd), size) != 0 ||
        ::ioctlsocket(read, static_cast<long>(FIONBIO), &nonBlocking) != 0) {
        closeBoth();
        return -1;
    }
    if (g_ended == nullptr) {
        g_ended = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ::ResetEvent(g_ended);
    // A program started with Ctrl-C ignored (start /b, some shells) takes it again.
    ::SetConsoleCtrlHandler(nullptr, FALSE);
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
    return static_cast<std::intptr_t>(read);
}

std::size_t takeQuitRequests(std::span<unsigned char> into) {
    std::size_t count = 0;
    while (g_wakeRead != INVALID_SOCKET && count < into.size()) {
        char request = 0;
        if (::recv(g_wakeRead, &request, 1, 0) != 1) {
            break;
        }
        into[count++] = static_cast<unsigned char>(request);
    }
    return count;
}

// The ending is complete: a handler waiting for it is let go first, since taking the
// handler out waits for handlers that run.
void closeQuitWake() {
    if (g_wakeRead == INVALID_SOCKET) {
        return;
    }
    closeBoth();
    ::SetEvent(g_ended);
    ::SetConsoleCtrlHandler(onConsoleControl, FALSE);
}

}  // namespace rennlupe::platform
