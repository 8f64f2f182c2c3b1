#include "insim-sim/ButtonBoard.h"

#include "insim10/ButtonFunctions.h"

#include <algorithm>

namespace rennlupe::tools {

ButtonBoard::Placed ButtonBoard::place(const insim10::IsBtn& packet) {
    if (packet.ClickID >= kButtons) {
        return Placed::Ignored;
    }
    if (m_userCleared) {
        return Placed::Hidden;
    }
    std::optional<Button>& slot = m_buttons.at(packet.ClickID);
    if (packet.W == 0 || packet.H == 0) {
        if (!slot) {
            return Placed::Ignored;
        }
        slot->text = packet.Text;
        return Placed::Text;
    }
    slot = Button{packet.Inst, packet.BStyle, packet.L, packet.T, packet.W, packet.H, packet.Text};
    return Placed::New;
}

std::vector<std::uint8_t> ButtonBoard::remove(std::uint8_t clickId, std::uint8_t clickMax) {
    std::vector<std::uint8_t> removed;
    const std::size_t last = std::min<std::size_t>(std::max(clickId, clickMax), kButtons - 1);
    for (std::size_t id = clickId; id <= last; ++id) {
        if (m_buttons.at(id)) {
            m_buttons.at(id).reset();
            removed.push_back(static_cast<std::uint8_t>(id));
        }
    }
    return removed;
}

void ButtonBoard::clear() {
    m_buttons.fill(std::nullopt);
}

std::uint8_t ButtonBoard::shiftB() {
    m_userCleared = !m_userCleared;
    if (m_userCleared) {
        clear();
        return insim10::kBfnUserClear;
    }
    return insim10::kBfnRequest;
}

}  // namespace rennlupe::tools
