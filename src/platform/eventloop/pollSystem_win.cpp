#include "platform/eventloop/pollSystem.h"

// Winsock first: windows.h alone would bring the old winsock.h.
#include <winsock2.h>

#include <windows.h>

#include <atomic>
#include <vector>

namespace rennlupe::platform {

namespace {

constexpr unsigned char kInterrupt = 2;   // SIGINT
constexpr unsigned char kTerminate = 15;  // SIGTERM

SOCKET g_wakeRead = INVALID_SOCKET;
std::atomic<SOCKET> g_wakeWrite{INVALID_SOCKET};
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
    const SOCKET wake = g_wakeWrite.load();
    if (wake == INVALID_SOCKET) {
        return FALSE;
    }
    const char request = static_cast<char>(control == CTRL_C_EVENT ? kInterrupt : kTerminate);
    ::send(wake, &request, 1, 0);
    if (control == CTRL_CLOSE_EVENT || control == CTRL_LOGOFF_EVENT ||
        control == CTRL_SHUTDOWN_EVENT) {
        ::WaitForSingleObject(g_ended, INFINITE);
    }
    return TRUE;
}

void closeBoth() {
    ::closesocket(g_wakeRead);
    ::closesocket(g_wakeWrite.exchange(INVALID_SOCKET));
    g_wakeRead = INVALID_SOCKET;
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

// Two loopback datagram sockets: the handler's thread sends to the one the wait watches.
std::intptr_t openQuitWake() {
    if (g_wakeRead != INVALID_SOCKET) {
        return static_cast<std::intptr_t>(g_wakeRead);
    }
    g_wakeRead = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    const SOCKET write = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    g_wakeWrite = write;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    u_long nonBlocking = 1;
    const auto generic = reinterpret_cast<sockaddr*>(&address);
    if (g_wakeRead == INVALID_SOCKET || write == INVALID_SOCKET ||
        ::bind(g_wakeRead, generic, size) != 0 || ::getsockname(g_wakeRead, generic, &size) != 0 ||
        ::connect(write, generic, size) != 0 ||
        ::ioctlsocket(g_wakeRead, static_cast<long>(FIONBIO), &nonBlocking) != 0) {
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
    return static_cast<std::intptr_t>(g_wakeRead);
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

void closeQuitWake() {
    if (g_wakeRead == INVALID_SOCKET) {
        return;
    }
    ::SetConsoleCtrlHandler(onConsoleControl, FALSE);
    closeBoth();
    ::SetEvent(g_ended);
}

}  // namespace rennlupe::platform
