#include "ui/GameButtonsOverlay.h"

#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/GameText.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtn.h"
#include "ui/GameColour.h"

#include <algorithm>
#include <cmath>

namespace rennlupe::ui {

namespace {

constexpr int kGrid = 200;
constexpr std::string_view kShiftText = "^1SHIFT";
constexpr double kCharacterWidth = 0.6;  // of the text's height, as the game draws it

int clampTo(long value, int low, int high) {
    return static_cast<int>(std::clamp<long>(value, low, high));
}

// Characters as they show: colour codes take no room.
std::size_t shownLength(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
            ++i;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
            ++length;
        }
    }
    return length;
}

}  // namespace

void GameButtonsOverlay::GPML_SetTextMultilineData(std::int16_t x, std::int16_t y,
                                                   std::string_view text, std::int32_t colour,
                                                   std::int32_t, std::uint8_t size, std::int32_t,
                                                   std::int32_t, std::int32_t, std::uint8_t) {
    m_textX = x;
    m_textY = y;
    m_colour = static_cast<std::uint32_t>(colour);
    m_size = size;
    m_text = text;
}

void GameButtonsOverlay::GPML_ShowText(std::int32_t show) {
    m_textShown = show != 0;
    sync();
}

void GameButtonsOverlay::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) {
    m_pictureShown = show != 0;
    m_pictureX = x;
    m_pictureY = y;
    sync();
}

void GameButtonsOverlay::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    width = m_options.screenWidth;
    height = m_options.screenHeight;
}

void GameButtonsOverlay::linkUp() {
    m_inGame = {};
    m_linked = true;
    m_userCleared = false;
    sync();
}

void GameButtonsOverlay::linkDown() {
    m_linked = false;
    m_inGame = {};
}

void GameButtonsOverlay::userCleared() {
    m_userCleared = true;
    m_inGame = {};  // the game deleted them itself
}

void GameButtonsOverlay::userRequested() {
    m_userCleared = false;
    sync();
}

void GameButtonsOverlay::clearAll() {
    if (!m_linked) {
        return;
    }
    insim10::IsBfn clear;
    clear.SubT = insim10::kBfnClear;
    m_send(clear.bytes());
    if (m_options.lines != nullptr) {
        *m_options.lines << "button: clear\n";
    }
    m_inGame = {};
}

std::uint8_t GameButtonsOverlay::column(std::int32_t pixels) const {
    const double width = std::max(1, m_options.screenWidth);
    return static_cast<std::uint8_t>(clampTo(std::lround(pixels * kGrid / width), 0, kGrid - 1));
}

std::uint8_t GameButtonsOverlay::row(std::int32_t pixels) const {
    const double height = std::max(1, m_options.screenHeight);
    return static_cast<std::uint8_t>(clampTo(std::lround(pixels * kGrid / height), 0, kGrid - 1));
}

std::array<GameButtonsOverlay::Button, GameButtonsOverlay::kLines + 1> GameButtonsOverlay::wanted()
    const {
    std::array<Button, kLines + 1> buttons{};
    const GameColour colour = nearestGameColour(m_colour);
    // The grid's units are not square: a character's width in columns follows the screen.
    const double aspect = static_cast<double>(std::max(1, m_options.screenHeight)) /
                          std::max(1, m_options.screenWidth);
    const int height = clampTo(
        std::lround(m_size * double{kGrid} / std::max(1, m_options.screenHeight)), 1, kGrid);
    std::size_t start = 0;
    for (std::size_t i = 0; i < kLines && m_textShown && start <= m_text.size(); ++i) {
        const std::size_t end = std::min(m_text.find('\r', start), m_text.size());
        const std::string_view line = std::string_view(m_text).substr(start, end - start);
        start = end + 1;
        if (line.empty()) {
            continue;
        }
        Button& button = buttons[i];
        button.shown = true;
        button.style =
            static_cast<std::uint8_t>(insim10::kIsbDark | insim10::kIsbLeft | colour.style);
        button.left = column(m_textX);
        button.top = static_cast<std::uint8_t>(
            clampTo(row(m_textY) + static_cast<long>(i) * height, 0, kGrid - 1));
        button.height = static_cast<std::uint8_t>(std::min(height, kGrid - button.top));
        const double columns =
            static_cast<double>(shownLength(line)) * height * kCharacterWidth * aspect;
        button.width = static_cast<std::uint8_t>(
            clampTo(std::lround(std::ceil(columns)) + 1, 1, kGrid - button.left));
        button.text = std::string(colour.code) + std::string(line);
    }
    if (m_pictureShown) {
        Button& shift = buttons[kLines];
        shift.shown = true;
        shift.style = insim10::kIsbDark;
        shift.left = column(m_pictureX);
        shift.top = row(m_pictureY);
        shift.height = static_cast<std::uint8_t>(std::min(2 * height, kGrid - shift.top));
        const double columns =
            static_cast<double>(shownLength(kShiftText)) * shift.height * kCharacterWidth * aspect;
        shift.width = static_cast<std::uint8_t>(
            clampTo(std::lround(std::ceil(columns)) + 2, 1, kGrid - shift.left));
        shift.text = kShiftText;
    }
    return buttons;
}

void GameButtonsOverlay::sync() {
    if (!m_linked || m_userCleared) {
        return;
    }
    const auto buttons = wanted();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Button& want = buttons[i];
        Button& have = m_inGame[i];
        const auto id = static_cast<std::uint8_t>(m_options.clickBase + i);
        if (!want.shown) {
            if (have.shown) {
                sendDelete(id);
            }
        } else if (!have.shown || want.style != have.style || want.left != have.left ||
                   want.top != have.top || want.width != have.width || want.height != have.height) {
            m_textSentAt[i] = m_clock ? m_clock() : 0.0;
            sendButton(id, want, false);
        } else if (want.text != have.text) {
            const double now = m_clock ? m_clock() : 0.0;
            if (m_clock && now - m_textSentAt[i] < kTextPause) {
                continue;  // still pending: the game keeps its last text a moment longer
            }
            m_textSentAt[i] = now;
            sendButton(id, want, true);
        }
        have = want;
    }
}

void GameButtonsOverlay::sendButton(std::uint8_t id, const Button& button, bool textOnly) {
    insim10::IsBtn btn;
    btn.ClickID = id;
    btn.BStyle = button.style;
    btn.L = button.left;
    btn.T = button.top;
    btn.W = textOnly ? std::uint8_t{0} : button.width;
    btn.H = textOnly ? std::uint8_t{0} : button.height;
    btn.Text = insim10::encodeGameText(button.text);
    m_send(btn.bytes());
    if (m_options.lines != nullptr) {
        *m_options.lines << "button: id=" << int{id} << " l=" << int{btn.L} << " t=" << int{btn.T}
                         << " w=" << int{btn.W} << " h=" << int{btn.H} << " text=" << button.text
                         << '\n';
    }
}

void GameButtonsOverlay::sendDelete(std::uint8_t id) {
    insim10::IsBfn del;
    del.SubT = insim10::kBfnDelBtn;
    del.ClickID = id;
    del.ClickMax = id;
    m_send(del.bytes());
    if (m_options.lines != nullptr) {
        *m_options.lines << "button: delete id=" << int{id} << '\n';
    }
}

}  // namespace rennlupe::ui
