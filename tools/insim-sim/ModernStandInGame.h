#pragma once

#include "insim-sim/ButtonBoard.h"
#include "insim-sim/GameSocket.h"
#include "insim-sim/ModernRaceSimulation.h"
#include "insim-sim/SimOptions.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/sockets/SocketAddress.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::tools {

// Today's game on one datagram socket: binary InSim packets answered at the
// sender's address on the port its IS_ISI named, positions, OutGauge and
// the race's events sent there too.
class ModernStandInGame {
public:
    ModernStandInGame(platform::EventLoop& loop, SimOptions options, std::ostream& out);
    ~ModernStandInGame();
    ModernStandInGame(const ModernStandInGame&) = delete;
    ModernStandInGame& operator=(const ModernStandInGame&) = delete;

    bool open();
    platform::SocketAddress local() const { return m_socket.local(); }
    const ButtonBoard& board() const { return m_board; }
    const ModernRaceSimulation& race() const { return m_race; }
    // The user's SHIFT+B: the board cleared or asked back, the program told.
    void pressShiftB();
    // The user types in the chat: IS_MSO, as a command (UserType 2) when the text
    // starts with the program's prefix.
    void type(std::string_view text);
    // The user clicks a button: IS_BTC, when the program shows a clickable one there.
    void click(std::uint8_t clickId);
    // Called after each step of the race and each change of the board.
    void onChange(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    void handle(std::span<const std::uint8_t> packet, platform::SocketAddress from);
    void handleButton(std::span<const std::uint8_t> packet);
    void handleButtonFunction(std::span<const std::uint8_t> packet);
    void handleTiny(std::uint8_t reqI, std::uint8_t subT);
    void linkUp(std::span<const std::uint8_t> packet, platform::SocketAddress from);
    void linkDown();
    void startRace();
    void step();
    void every(std::optional<double> seconds, std::function<void()> tick);
    void once(double seconds, std::function<void()> work);
    double now() const;
    void send(std::span<const std::uint8_t> bytes);
    void say(const std::string& line);
    void stopTimers();

    platform::EventLoop& m_loop;
    SimOptions m_options;
    GameSocket m_socket;
    ModernRaceSimulation m_race;
    ButtonBoard m_board;
    std::function<void()> m_changed = [] {};
    std::mt19937 m_random;
    std::optional<platform::SocketAddress> m_peer;
    bool m_positions = false;  // the IS_ISI asked for MCI
    bool m_gauges = false;     // SMALL_SSG asked for OutGauge
    bool m_silent = false;
    std::uint8_t m_prefix = 0;  // the IS_ISI's command prefix
    std::chrono::steady_clock::time_point m_started;
    std::vector<platform::EventLoop::TimerId> m_timers;
};

}  // namespace rennlupe::tools
