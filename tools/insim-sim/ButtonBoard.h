#pragma once

#include "insim10/IsBtn.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rennlupe::tools {

// The game's table of one program's buttons by ClickID, as it keeps them.
class ButtonBoard {
public:
    static constexpr std::size_t kButtons = 240;

    struct Button {
        std::uint8_t inst = 0;
        std::uint8_t style = 0;
        std::uint8_t l = 0;
        std::uint8_t t = 0;
        std::uint8_t w = 0;
        std::uint8_t h = 0;
        std::string text;  // bytes in the game's code page, colour codes kept
    };
    enum class Placed { New, Text, Ignored, Hidden };

    // W or H 0 changes only the text of an existing button; Hidden while the user
    // has cleared the buttons.
    Placed place(const insim10::IsBtn& packet);
    // BFN_DEL_BTN: the ids from clickId to max(clickId, clickMax) that were there.
    std::vector<std::uint8_t> remove(std::uint8_t clickId, std::uint8_t clickMax);
    void clear();
    // SHIFT+B: the IS_BFN subtype to send, BFN_USER_CLEAR then BFN_REQUEST.
    std::uint8_t shiftB();

    bool userCleared() const { return m_userCleared; }
    const std::optional<Button>& at(std::size_t clickId) const { return m_buttons.at(clickId); }

private:
    std::array<std::optional<Button>, kButtons> m_buttons{};
    bool m_userCleared = false;
};

}  // namespace rennlupe::tools
