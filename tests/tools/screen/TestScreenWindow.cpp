#include "insim-sim/ButtonBoard.h"
#include "insim-sim/ModernRaceSimulation.h"
#include "insim-sim/screen/ScreenWindow.h"
#include "insim10/ButtonStyle.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QTest>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::tools {
namespace {

using namespace insim10;

// SHIFT+B and clicks reach the game; a click only on a clickable button, the upper one
// where two overlap, and none while the user has cleared the buttons.
TEST(ScreenWindow, ShiftBAndClicksOnClickableButtonsReachTheGame) {
    ButtonBoard board;
    board.place(IsBtn{1, 0, 7, 0, kIsbDark, 0, 0, 0, 100, 100, "text"});
    board.place(IsBtn{1, 0, 8, 0, kIsbClick, 0, 10, 10, 20, 20, ">"});
    board.place(IsBtn{1, 0, 9, 0, kIsbClick, 0, 20, 20, 20, 20, "<"});
    const ModernRaceSimulation race(4, 5, 10, 1);
    int presses = 0;
    std::vector<int> clicks;
    ScreenWindow window(
        board, race, [&] { ++presses; }, [&](std::uint8_t id) { clicks.push_back(id); });
    window.resize(400, 200);
    QTest::keyClick(&window, Qt::Key_B);
    QTest::keyClick(&window, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(presses, 1);
    for (const QPoint at : {QPoint(30, 15), QPoint(50, 25), QPoint(70, 35), QPoint(300, 150)}) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, at);
    }
    board.shiftB();
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(clicks, (std::vector<int>{8, 9, 9}));
}

// One wide button per row on a 400x200 window: its fill just inside the corner, and
// the third of it (0 left, 1 middle, 2 right) where the text's colour shows.
TEST(ScreenWindow, DrawsEachButtonByItsStyleAndColourCodes) {
    const ModernRaceSimulation race(1, 5, 10, 1);
    for (const auto& [style, text, colour, fill, third] :
         std::vector<std::tuple<std::uint8_t, std::string, QColor, QColor, int>>{
             {kIsbDark | kIsbLeft, "^2xx", QColor(32, 255, 32), QColor(11, 13, 16), 0},
             {kIsbLight | kIsbRight | kIsbcCancel, "xx", QColor(224, 64, 64), QColor(175, 177, 180),
              2},
             {kIsbcOk, "^1^9xx", QColor(64, 224, 64), QColor(66, 72, 81), 1}}) {
        ButtonBoard board;
        board.place(IsBtn{1, 0, 0, 0, style, 0, 0, 50, 200, 100, text});
        ScreenWindow window(
            board, race, [] {}, [](std::uint8_t) {});
        window.resize(400, 200);
        const QImage image = window.grab().toImage();
        EXPECT_NEAR(image.pixelColor(2, 52).red(), fill.red(), 3) << text;
        EXPECT_NEAR(image.pixelColor(2, 52).blue(), fill.blue(), 3) << text;
        std::vector<int> found(3, 0);
        for (int y = 50; y < 150; ++y) {
            for (int x = 0; x < 400; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (std::abs(pixel.red() - colour.red()) +
                        std::abs(pixel.green() - colour.green()) +
                        std::abs(pixel.blue() - colour.blue()) <
                    30) {
                    ++found.at(static_cast<std::size_t>(x * 3 / 400));
                }
            }
        }
        EXPECT_GT(found.at(static_cast<std::size_t>(third)), 50) << text;
        EXPECT_EQ(found.at(0) + found.at(1) + found.at(2),
                  found.at(static_cast<std::size_t>(third)))
            << text;
    }
}

}  // namespace
}  // namespace rennlupe::tools
