#include "desktop/QtLoop.h"

#include "platform/eventloop/EventLoopConformance.h"

#include "platform/sockets/socket.h"

#include <gtest/gtest.h>
#include <QEventLoop>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace rennlupe::platform {
namespace {

INSTANTIATE_TEST_SUITE_P(QtLoop, EventLoopConformance,
                         ::testing::Values(EventLoopFactory{
                             "QtLoop", [] { return std::make_unique<desktop::QtLoop>(); }}));

// Modal dialogs and the application's own exec() spin Qt's loops, not run():
// sockets, timers and posted work must come there too.
TEST(QtLoop, DeliversUnderQtsOwnEventLoop) {
    desktop::QtLoop loop;
    const NativeSocket socket = openSocket(kSocketDatagram, 17);
    ASSERT_NE(socket, kInvalidSocket);
    ASSERT_EQ(bindSocket(socket, {0x7F000001, 0}), 0);
    platform::SocketAddress local{};
    localAddress(socket, local);
    setNonBlocking(socket);
    QEventLoop qtLoop;
    std::vector<int> codes;
    bool ticked = false;
    bool posted = false;
    const auto check = [&] {
        if (!codes.empty() && ticked && posted) {
            qtLoop.exit();
        }
    };
    loop.watch(socket, platform::SocketRole::Datagram, platform::EventLoop::kRead,
               [&](platform::EventLoop::Descriptor, int code) {
                   codes.push_back(code);
                   check();
               });
    platform::EventLoop::TimerId timer = 0;
    timer = loop.startTimer(std::chrono::milliseconds(1), [&] {
        ticked = true;
        loop.stopTimer(timer);
        check();
    });
    loop.post([&] {
        posted = true;
        check();
    });
    const std::array<std::uint8_t, 1> byte{9};
    const NativeSocket sender = openSocket(kSocketDatagram, 17);
    ASSERT_EQ(sendBytesTo(sender, byte, local), 1);
    QTimer::singleShot(5000, &qtLoop, [&] { qtLoop.exit(); });
    qtLoop.exec();
    EXPECT_EQ(codes, std::vector<int>{platform::EventLoop::kRead});
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(posted);
    loop.unwatch(socket);
    closeSocket(sender);
    closeSocket(socket);
}

}  // namespace
}  // namespace rennlupe::platform
