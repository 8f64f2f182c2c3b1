#pragma once

#include "bits/MessageLine.h"
#include "controls/CheckBox.h"
#include "controls/CommandButton.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/TextBox.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rennlupe::insim {

// Everything the dispatcher reads and writes outside its own race state: the
// main window's controls, the player table of the driver-information window,
// the keep-alive counter, the message line, six calls and two reports on the link.
class DispatchHost {
public:
    static constexpr std::size_t kPlayerRows = 20;
    using PlayerLabels = std::array<controls::Label, kPlayerRows>;

    virtual ~DispatchHost() = default;

    virtual controls::CommandButton& cmdConnect() = 0;
    virtual controls::TextBox& txtSend() = 0;
    virtual controls::CommandButton& cmdSend() = 0;
    virtual controls::ListBox& List1() = 0;
    virtual controls::Label& lblLap() = 0;
    virtual controls::Label& Label3() = 0;
    virtual controls::Label& lblGezeigterFahrer() = 0;
    virtual controls::Label& lblMeineID() = 0;
    virtual controls::CommandButton& cmdStartRaceTracker() = 0;
    virtual controls::Label& lblStreckennodes() = 0;
    virtual controls::Label& Label5() = 0;
    virtual controls::CheckBox& Check1() = 0;
    virtual PlayerLabels& lblFahrer() = 0;
    virtual PlayerLabels& lblUID() = 0;
    virtual std::int32_t& lngTimer() = 0;
    virtual bits::MessageLine& messageLine() = 0;

    // The 8-byte request packet, sent to the game on the sending socket.
    virtual void SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                                 std::uint8_t p3) = 0;
    virtual void TextInDX(std::string_view text) = 0;
    virtual void GrafikInDXZeigen(std::string_view file) = 0;
    virtual void GrafikInDXVerbergen(std::string_view file) = 0;
    virtual void Neustart() = 0;
    // Lets the events that are waiting run; never called while it is running.
    virtual void pump() = 0;
    // The game answered the version request; later it told the number of cars.
    virtual void linkUp(std::string_view product, std::string_view version) = 0;
    virtual void carsKnown(int count) = 0;

protected:
    DispatchHost() = default;
    DispatchHost(const DispatchHost&) = default;
    DispatchHost& operator=(const DispatchHost&) = default;
};

}  // namespace rennlupe::insim
