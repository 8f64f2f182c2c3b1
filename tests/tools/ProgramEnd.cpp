#include "ProgramEnd.h"

#include "insim/IsiRecord.h"
#include "insim/RecordWriter.h"
#include "insim/ShortPacketRecord.h"
#include "support/runUntil.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace rennlupe::tools {

void ProgramEnd::sendTo(platform::SocketAddress game, std::span<const std::uint8_t> bytes) {
    m_sender.sendTo(game, bytes);
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
    while (auto datagram = m_receiver.receive(0)) {
        m_received.push_back(std::move(*datagram));
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
    std::size_t stray = 0;
    while (m_sender.receive(0)) {
        ++stray;
    }
    return stray;
}

bool hasId(const ProgramEnd::Datagram& datagram, std::string_view id) {
    return datagram.size() >= 4 && std::equal(id.begin(), id.end(), datagram.begin()) &&
           datagram[3] == 0;
}

}  // namespace rennlupe::tools
