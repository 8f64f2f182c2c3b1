#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// NPL, 100 bytes: 0 "NPL" | 3 - | 28 PlayerName text[24] | 52 - | 60 SecondName text[32]
//   92 - | 95 UniqueId | 96 PlayerNumber | 97 -
struct NplRecord {
    static constexpr std::size_t kSize = 100;
    static constexpr std::size_t kPlayerNameOffset = 28;
    static constexpr std::size_t kPlayerNameSize = 24;
    static constexpr std::size_t kSecondNameOffset = 60;
    static constexpr std::size_t kSecondNameSize = 32;
    static constexpr std::size_t kUniqueIdOffset = 95;
    static constexpr std::size_t kPlayerNumberOffset = 96;

    std::array<std::uint8_t, kPlayerNameSize> PlayerName{};
    std::array<std::uint8_t, kSecondNameSize> SecondName{};
    std::uint8_t UniqueId = 0;
    std::uint8_t PlayerNumber = 0;

    static NplRecord read(std::span<const std::uint8_t> datagram);
    std::array<std::uint8_t, kSize> write() const;
};

}  // namespace rennlupe::insim
