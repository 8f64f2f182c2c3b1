#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_MSO, 12 to 136 bytes: 2 ReqI | 3 MSOData (0, or the message's code page) | 4 UCID | 5 PLID
//   6 UserType (0 system, 1 user, 2 prefix, 3 /o) | 7 TextStart | 8 Msg, to the packet's end
struct IsMso {
    static constexpr std::uint8_t kType = kIspMso;
    static constexpr std::size_t kMinSize = 12;
    static constexpr std::size_t kMaxSize = 136;
    static constexpr std::uint8_t kLastUserType = 3;

    std::uint8_t ReqI = 0;
    std::uint8_t MSOData = 0;
    std::uint8_t UCID = 0;
    std::uint8_t PLID = 0;
    std::uint8_t UserType = 0;
    std::uint8_t TextStart = 0;  // where the text starts after the name, in Msg's bytes
    std::uint8_t MsgLength = 0;  // the bytes of Msg the packet held
    std::array<std::uint8_t, kMaxSize - 8> Msg{};

    // Refuses a length outside 12..136, an unknown UserType, or a TextStart past Msg.
    static std::optional<IsMso> read(std::span<const std::uint8_t> packet);
    std::span<const std::uint8_t> msg() const { return std::span(Msg).first(MsgLength); }
};

}  // namespace rennlupe::insim10
