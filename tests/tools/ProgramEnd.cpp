#include "ProgramEnd.h"

#include "insim/IsiRecord.h"
#include "insim/RecordWriter.h"
#include "insim/ShortPacketRecord.h"
#include "support/runUntil.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace rennlupe::tools {
namespace {

platform::NativeSocket loopbackSocket(platform::SocketAddress& bound) {
    const platform::NativeSocket socket = platform::openSocket(platform::kSocketDatagram, 0);
    platform::setNonBlocking(socket);
    platform::bindSocket(socket, {0x7F000001, 0});
    platform::localAddress(socket, bound);
    return socket;
}

}  // namespace

ProgramEnd::ProgramEnd() {
    platform::SocketAddress unused{};
    m_sender = loopbackSocket(unused);
    m_receiver = loopbackSocket(m_receiveAddress);
}

ProgramEnd::~ProgramEnd() {
    platform::closeSocket(m_sender);
    platform::closeSocket(m_receiver);
}

void ProgramEnd::sendTo(platform::SocketAddress game, std::span<const std::uint8_t> bytes) {
    platform::sendBytesTo(m_sender, bytes, game);
}

void ProgramEnd::sendIsi(platform::SocketAddress game, std::string_view password) {
    using insim::IsiRecord;
    insim::RecordWriter<IsiRecord::kSize> isi("ISI");
    isi.set16(IsiRecord::kPortOffset, receivePort());
    isi.set(IsiRecord::kFlagsOffset, IsiRecord::kFlags);
    for (std::size_t i = 0; i < password.size() && i < IsiRecord::kAdminSize; ++i) {
        isi.set(IsiRecord::kAdminOffset + i, static_cast<std::uint8_t>(password[i]));
    }
    sendTo(game, isi.result());
}

void ProgramEnd::sendShort(platform::SocketAddress game, std::string_view id, std::uint8_t p1) {
    insim::ShortPacketRecord request;
    request.Parameter1 = p1;
    sendTo(game, request.write(id));
}

void ProgramEnd::collect() {
    std::array<std::uint8_t, 2048> buffer{};
    platform::SocketAddress from{};
    for (;;) {
        const std::ptrdiff_t received = platform::receiveFrom(m_receiver, buffer, from);
        if (received < 0) {
            return;
        }
        m_received.emplace_back(buffer.begin(), buffer.begin() + received);
    }
}

bool ProgramEnd::runUntil(platform::EventLoop& loop, const std::function<bool()>& done) {
    return support::runUntil(loop, [&] {
        collect();
        return done();
    });
}

void ProgramEnd::runRounds(platform::EventLoop& loop, int rounds) {
    using namespace std::chrono_literals;
    bool over = false;
    const auto timer = loop.startTimer(10ms * rounds, [&] { over = true; });
    runUntil(loop, [&] { return over; });
    loop.stopTimer(timer);
}

std::size_t ProgramEnd::count(std::string_view id) const {
    return static_cast<std::size_t>(std::count_if(
        m_received.begin(), m_received.end(), [id](const Datagram& d) { return hasId(d, id); }));
}

std::size_t ProgramEnd::strayCount() {
    std::array<std::uint8_t, 2048> buffer{};
    platform::SocketAddress from{};
    std::size_t stray = 0;
    while (platform::receiveFrom(m_sender, buffer, from) >= 0) {
        ++stray;
    }
    return stray;
}

bool hasId(const ProgramEnd::Datagram& datagram, std::string_view id) {
    return datagram.size() >= 4 && std::equal(id.begin(), id.end(), datagram.begin()) &&
           datagram[3] == 0;
}

}  // namespace rennlupe::tools
