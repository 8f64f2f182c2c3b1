#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rennlupe::insim10 {

// IS_BTN, 12 + TEXT_SIZE bytes: 2 ReqI | 3 UCID | 4 ClickID | 5 Inst | 6 BStyle | 7 TypeIn
//   8 L | 9 T | 10 W | 11 H (0-200; W or H 0 updates only the text) | 12 Text[TEXT_SIZE]
struct IsBtn {
    static constexpr std::uint8_t kType = kIspBtn;
    static constexpr std::size_t kMaxText = 240;
    static constexpr std::uint8_t kMaxClickId = 239;

    std::uint8_t ReqI = 1;  // must not be 0: it comes back with clicks and typed text
    std::uint8_t UCID = 0;  // 0 local, 255 all
    std::uint8_t ClickID = 0;
    std::uint8_t Inst = 0;
    std::uint8_t BStyle = 0;
    std::uint8_t TypeIn = 0;
    std::uint8_t L = 0;
    std::uint8_t T = 0;
    std::uint8_t W = 0;
    std::uint8_t H = 0;
    std::string Text;  // bytes in the game's code page; at most 240 are sent

    // The text padded with at least one 0 to a multiple of 4, at most 240 bytes, where a
    // 240-byte text has no 0. Throws bits::InvalidArgument for ReqI 0 or ClickID above 239.
    std::vector<std::uint8_t> bytes() const;
    // Text up to its first 0; nothing unless 12 + a multiple of 4 up to 252 bytes.
    static std::optional<IsBtn> read(std::span<const std::uint8_t> packet);
};

}  // namespace rennlupe::insim10
