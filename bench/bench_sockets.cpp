#include "net/okSocket.h"
#include "platform/eventloop/PollLoop.h"
#include "platform/sockets/socket.h"
#include "support/RecordingMessageLine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

// Datagrams per second received on loopback from a second process (this
// program again, started with --sender PORT): a bare recvfrom loop beside the
// poll loop and the socket object up to ReceivedBytes.
namespace {

using namespace rennlupe;

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr std::size_t kDatagramSize = 204;  // a position packet, the most frequent
constexpr int kBatch = 1000;
std::uint16_t g_port = 0;

int runSender(std::uint16_t port) {
    const platform::NativeSocket socket = platform::openSocket(platform::kSocketDatagram, 17);
    platform::setNonBlocking(socket);
    const std::array<std::uint8_t, kDatagramSize> datagram{'M', 'C', 'I'};
    std::array<std::uint8_t, 16> stop{};
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(5);
    for (std::uint64_t sent = 0;; ++sent) {
        platform::sendBytesTo(socket, datagram, {kLoopback, port});
        if (sent % 64 == 0 && (platform::receiveBytes(socket, stop) > 0 ||
                               std::chrono::steady_clock::now() > giveUp)) {
            break;
        }
    }
    platform::closeSocket(socket);
    return 0;
}

void BM_BareRecvfromLoop(benchmark::State& state) {
    const platform::NativeSocket socket = platform::openSocket(platform::kSocketDatagram, 17);
    platform::bindSocket(socket, {kLoopback, g_port});
    std::array<std::uint8_t, 1025> buffer{};
    platform::SocketAddress from{};
    for (auto _ : state) {
        for (int i = 0; i < kBatch; ++i) {
            benchmark::DoNotOptimize(platform::receiveFrom(socket, buffer, from));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
    platform::closeSocket(socket);
}
BENCHMARK(BM_BareRecvfromLoop)->UseRealTime();

void BM_OkSocketPollLoop(benchmark::State& state) {
    platform::PollLoop loop;
    support::RecordingMessageLine line;
    net::okSocket socket(loop, line, net::okSocket::kUdp);
    int count = 0;
    socket.ReceivedBytes = [&](std::int32_t, std::span<const std::uint8_t> bytes, std::int32_t) {
        benchmark::DoNotOptimize(bytes.data());
        if (++count == kBatch) {
            loop.quit();
        }
    };
    const std::int32_t server = socket.ListenTo(g_port);
    if (server == 0) {
        state.SkipWithError(line.current().c_str());
        return;
    }
    for (auto _ : state) {
        count = 0;
        loop.run();
    }
    state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_OkSocketPollLoop)->UseRealTime();

// Starts the sender and learns its address from its first datagram.
bool startSender(const std::string& self, platform::SocketAddress& sender) {
    const platform::NativeSocket probe = platform::openSocket(platform::kSocketDatagram, 17);
    platform::SocketAddress local{};
    platform::bindSocket(probe, {kLoopback, 0});
    platform::localAddress(probe, local);
    g_port = local.port;
    const std::string command = "'" + self + "' --sender " + std::to_string(g_port) + " &";
    if (std::system(command.c_str()) != 0 || platform::waitUntilReadable(probe, 5000) != 1) {
        platform::closeSocket(probe);
        return false;
    }
    std::array<std::uint8_t, kDatagramSize> first{};
    platform::receiveFrom(probe, first, sender);
    platform::closeSocket(probe);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--sender") {
        return runSender(static_cast<std::uint16_t>(std::stoi(argv[2])));
    }
    platform::SocketAddress sender{};
    if (!startSender(argv[0], sender)) {
        std::cerr << "bench_sockets: the sending process did not start\n";
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const platform::NativeSocket control = platform::openSocket(platform::kSocketDatagram, 17);
    const std::array<std::uint8_t, 4> stop{'s', 't', 'o', 'p'};
    platform::sendBytesTo(control, stop, sender);
    platform::closeSocket(control);
    return 0;
}
