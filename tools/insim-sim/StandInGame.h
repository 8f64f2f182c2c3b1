#pragma once

#include "insim-sim/GameSocket.h"
#include "insim-sim/RaceSimulation.h"
#include "insim-sim/SimOptions.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/sockets/SocketAddress.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>

namespace rennlupe::tools {

// The game's side of the link on one datagram socket: it answers the
// program's requests at the sender's address on the port that the
// initialisation named, and streams a simulated race once asked to.
class StandInGame {
public:
    StandInGame(platform::EventLoop& loop, SimOptions options, std::ostream& out);
    ~StandInGame();
    StandInGame(const StandInGame&) = delete;
    StandInGame& operator=(const StandInGame&) = delete;

    // Binds and watches the socket; false (and a line saying why) when it cannot.
    bool open();
    platform::SocketAddress local() const { return m_socket.local(); }

private:
    void handle(std::span<const std::uint8_t> datagram, platform::SocketAddress from);
    void linkUp(std::span<const std::uint8_t> datagram, platform::SocketAddress from);
    void linkDown();
    void startStreaming();
    void sendSet();
    void sendState();
    void restartRace();
    void send(std::span<const std::uint8_t> bytes);
    void say(const std::string& line);
    void stopTimers();
    void stopTimer(platform::EventLoop::TimerId& timer);

    platform::EventLoop& m_loop;
    SimOptions m_options;
    GameSocket m_socket;
    RaceSimulation m_race;
    std::mt19937 m_random;
    std::optional<platform::SocketAddress> m_peer;
    bool m_stateSent = false;
    bool m_playersReported = false;  // the state sent again once every player was asked for
    bool m_silent = false;
    std::uint64_t m_sets = 0;
    std::chrono::steady_clock::time_point m_started;
    platform::EventLoop::TimerId m_streamTimer = 0;
    platform::EventLoop::TimerId m_silentTimer = 0;
    platform::EventLoop::TimerId m_restartTimer = 0;
};

}  // namespace rennlupe::tools
