#pragma once

#include "insim-sim/ButtonBoard.h"
#include "insim-sim/ModernRaceSimulation.h"

#include <QWidget>

#include <cstdint>
#include <functional>

namespace rennlupe::tools {

// A stand-in for the game's picture: the track, the cars and the buttons on the
// board, each at its place on the game's 200 by 200 grid.
class ScreenWindow final : public QWidget {
public:
    // shiftB: the user's SHIFT+B; click: a left click on a clickable button, by its ClickID.
    ScreenWindow(const ButtonBoard& board, const ModernRaceSimulation& race,
                 std::function<void()> shiftB, std::function<void(std::uint8_t)> click);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawTrack(QPainter& painter) const;
    void drawButton(QPainter& painter, const ButtonBoard::Button& button) const;

    const ButtonBoard& m_board;
    const ModernRaceSimulation& m_race;
    std::function<void()> m_shiftB;
    std::function<void(std::uint8_t)> m_click;
};

}  // namespace rennlupe::tools
