#include "ui/SettingsPanel.h"

#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/GameText.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtn.h"

#include <algorithm>
#include <cctype>

namespace rennlupe::ui {

namespace {

enum class Action {
    Title,
    Close,
    TextLeft,
    TextRight,
    TextUp,
    TextDown,
    ShiftLeft,
    ShiftRight,
    ShiftUp,
    ShiftDown,
    ColourDown,
    ColourUp,
    SizeDown,
    SizeUp
};

struct Spec {
    Action action;
    std::uint8_t left;
    std::uint8_t top;
    std::uint8_t width;
    std::string_view text;
};

// In the area the game keeps clear (X 0..110, Y 30..170), in the order of their ClickIDs.
constexpr std::uint8_t kTop = 60;
constexpr std::uint8_t kRow = 5;
constexpr std::array<Spec, SettingsPanel::kPanelButtons> kSpecs = {{
    {Action::Title, 1, kTop, 22, "Rennlupe"},
    {Action::Close, 23, kTop, 5, "X"},
    {Action::TextLeft, 1, kTop + kRow, 10, "Text <"},
    {Action::TextRight, 11, kTop + kRow, 5, ">"},
    {Action::TextUp, 16, kTop + kRow, 6, "Up"},
    {Action::TextDown, 22, kTop + kRow, 6, "Dn"},
    {Action::ShiftLeft, 1, kTop + 2 * kRow, 10, "Shift <"},
    {Action::ShiftRight, 11, kTop + 2 * kRow, 5, ">"},
    {Action::ShiftUp, 16, kTop + 2 * kRow, 6, "Up"},
    {Action::ShiftDown, 22, kTop + 2 * kRow, 6, "Dn"},
    {Action::ColourDown, 1, kTop + 3 * kRow, 13, "Farbe -"},
    {Action::ColourUp, 14, kTop + 3 * kRow, 14, "Farbe +"},
    {Action::SizeDown, 1, kTop + 4 * kRow, 13, "Größe -"},
    {Action::SizeUp, 14, kTop + 4 * kRow, 14, "Größe +"},
}};

// The slider an arrow moves (0-based, as SliderSettings counts them) and by how much.
struct Move {
    std::size_t slider;
    int by;
};

Move moveOf(Action action) {
    const int step = SettingsPanel::kMoveStep;
    switch (action) {
    case Action::TextLeft:
        return {0, -step};
    case Action::TextRight:
        return {0, step};
    case Action::TextUp:
        return {1, -step};
    case Action::TextDown:
        return {1, step};
    case Action::ShiftLeft:
        return {4, -step};
    case Action::ShiftRight:
        return {4, step};
    case Action::ShiftUp:
        return {5, -step};
    case Action::ShiftDown:
        return {5, step};
    case Action::SizeDown:
        return {3, -SettingsPanel::kSizeStep};
    default:
        return {3, SettingsPanel::kSizeStep};
    }
}

// The next palette colour up or down from a value, round at either end.
int nextColour(int value, bool up) {
    const auto& colours = SettingsPanel::kColours;
    if (up) {
        const auto* next = std::upper_bound(colours.begin(), colours.end(), value);
        return next != colours.end() ? *next : colours.front();
    }
    const auto* next = std::lower_bound(colours.begin(), colours.end(), value);
    return next != colours.begin() ? *(next - 1) : colours.back();
}

// A dark button at the spec's place: the panel's own, or its handle on the title's place.
insim10::IsBtn buttonAt(const Spec& spec, std::uint8_t clickId, int style) {
    insim10::IsBtn btn;
    btn.ClickID = clickId;
    btn.BStyle = static_cast<std::uint8_t>(insim10::kIsbDark | style);
    btn.L = spec.left;
    btn.T = spec.top;
    btn.W = spec.width;
    btn.H = kRow;
    btn.Text = insim10::encodeGameText(spec.text);
    return btn;
}

// BFN_DEL_BTN of the ClickIDs first to last; last 0: the first alone.
insim10::IsBfn deletion(std::uint8_t first, std::uint8_t last = 0) {
    insim10::IsBfn del;
    del.SubT = insim10::kBfnDelBtn;
    del.ClickID = first;
    del.ClickMax = last;
    return del;
}

}  // namespace

std::uint8_t SettingsPanel::firstId(std::uint8_t overlayBase) {
    constexpr int kCount = static_cast<int>(kButtons);
    const int after = overlayBase + 3;
    return static_cast<std::uint8_t>(
        after + kCount <= insim10::IsBtn::kMaxClickId + 1 ? after : overlayBase - kCount);
}

bool SettingsPanel::isCommand(std::string_view typed) {
    const auto blank = [](char c) { return c == ' '; };
    while (!typed.empty() && blank(typed.front())) {
        typed.remove_prefix(1);
    }
    while (!typed.empty() && blank(typed.back())) {
        typed.remove_suffix(1);
    }
    return std::equal(
        typed.begin(), typed.end(), kCommand.begin(), kCommand.end(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

void SettingsPanel::linkUp(std::uint8_t overlayBase) {
    m_first = firstId(overlayBase);
    m_linked = true;
    m_open = false;
    m_cleared = false;
    m_handleShown = false;
    showHandle();
}

void SettingsPanel::linkDown() {
    m_linked = false;
    m_open = false;
    m_handleShown = false;  // the game deletes a program's buttons with its link
}

void SettingsPanel::allow(bool allowed) {
    if (!allowed) {
        close();
        hideHandle();
    }
    m_allowed = allowed;
    showHandle();
}

void SettingsPanel::toggle() {
    if (m_open) {
        close();
    } else if (m_linked && m_allowed) {
        m_cleared = false;
        hideHandle();
        m_open = true;
        sendAll();
    }
}

void SettingsPanel::close() {
    if (!m_open) {
        return;
    }
    m_open = false;
    if (!m_cleared) {
        m_send(deletion(m_first, static_cast<std::uint8_t>(m_first + kPanelButtons - 1)).bytes());
    }
    showHandle();
}

void SettingsPanel::userCleared() {
    m_cleared = true;
    m_handleShown = false;
}

void SettingsPanel::userRequested() {
    m_cleared = false;
    if (m_open) {
        sendAll();
    } else {
        showHandle();
    }
}

SettingsPanel::Effect SettingsPanel::click(std::uint8_t clickId) {
    if (!m_open && m_handleShown && clickId == handleId()) {
        toggle();
        return Effect::None;
    }
    if (!m_open || clickId < m_first || clickId >= m_first + kPanelButtons) {
        return Effect::None;
    }
    const Action action = kSpecs[clickId - m_first].action;
    switch (action) {
    case Action::Title:
        return Effect::None;
    case Action::Close:
        close();
        return Effect::Closed;
    case Action::ColourDown:
    case Action::ColourUp: {
        controls::Slider& colour = m_sliders[2];
        colour.setValue(nextColour(colour.value(), action == Action::ColourUp));
        return Effect::Text;
    }
    default: {
        const Move move = moveOf(action);
        controls::Slider& slider = m_sliders[move.slider];
        slider.setValue(slider.value() + move.by);
        return move.slider >= 4 ? Effect::Shift : Effect::Text;
    }
    }
}

void SettingsPanel::sendAll() {
    for (std::size_t i = 0; i < kSpecs.size(); ++i) {
        const Spec& spec = kSpecs[i];
        const bool title = spec.action == Action::Title;
        const int colour = title                          ? insim10::kIsbcTitle
                           : spec.action == Action::Close ? insim10::kIsbcCancel
                                                          : insim10::kIsbcSelected;
        m_send(buttonAt(spec, static_cast<std::uint8_t>(m_first + i),
                        colour | (title ? 0 : insim10::kIsbClick))
                   .bytes());
    }
}

// Where the panel's title goes, so the panel opens over it.
void SettingsPanel::showHandle() {
    if (!m_linked || !m_allowed || m_open || m_cleared || m_handleShown) {
        return;
    }
    m_send(buttonAt(kSpecs[0], handleId(), insim10::kIsbcTitle | insim10::kIsbClick).bytes());
    m_handleShown = true;
}

void SettingsPanel::hideHandle() {
    if (!m_handleShown) {
        return;
    }
    m_send(deletion(handleId()).bytes());
    m_handleShown = false;
}

}  // namespace rennlupe::ui
