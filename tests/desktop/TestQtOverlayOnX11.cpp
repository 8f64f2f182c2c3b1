#include "desktop/QtOverlayLibrary.h"

#include "desktop/OverlayRig.h"

#include <gtest/gtest.h>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <cstdlib>

namespace rennlupe::desktop {
namespace {

using Rig = OverlayRig;

const QColor kGameColour(20, 40, 90);

// The game as a plain dark window over the whole screen.
struct Game : QWidget {
    Game() : QWidget(nullptr, Qt::FramelessWindowHint) {
        QPalette palette;
        palette.setColor(QPalette::Window, kGameColour);
        setPalette(palette);
        setAutoFillBackground(true);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        show();
    }
};

QImage screenGrab() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_ARGB32);
}

bool isGame(QRgb pixel) {
    return std::abs(qRed(pixel) - kGameColour.red()) < 12 &&
           std::abs(qGreen(pixel) - kGameColour.green()) < 12 &&
           std::abs(qBlue(pixel) - kGameColour.blue()) < 12;
}

const QRect kTextArea(Rig::kTextX - 10, Rig::kTextY - 10, 320, 140);
const QRect kPictureArea(Rig::kPictureX, Rig::kPictureY, Rig::kPictureWidth, Rig::kPictureHeight);

// Waits for the window system, a round trip at a time.
template <typename Condition>
bool eventually(Condition condition) {
    return QTest::qWaitFor(
        [&] {
            QGuiApplication::sync();
            return condition(screenGrab());
        },
        10000);
}

bool gameAllOverExcept(const QImage& screen, const QRegion& drawn) {
    for (int y = 0; y < screen.height(); y += 4) {
        for (int x = 0; x < screen.width(); x += 4) {
            if (!drawn.contains(QPoint(x, y)) && !isGame(screen.pixel(x, y))) {
                return false;
            }
        }
    }
    return true;
}

TEST(QtOverlayOnX11, DrawsOnlyTextAndPictureOverTheGame) {
    Game game;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    ASSERT_TRUE(eventually([](const QImage& screen) { return gameAllOverExcept(screen, {}); }));

    Rig rig;
    ASSERT_TRUE(rig.writePicture("schalten.jpg"));
    rig.form.TextInDX("V - 1.23\rH - 0.50");
    rig.form.GrafikInDXZeigen("schalten.jpg");
    ASSERT_TRUE(eventually([](const QImage& screen) {
        return !textBox(screen, kTextArea).isEmpty() &&
               isPicture(screen.pixel(kPictureArea.center()));
    }));
    const QImage screen = screenGrab();
    const QRect text = textBox(screen, kTextArea);
    EXPECT_LT(std::abs(text.left() - Rig::kTextX), Rig::kTextSize / 2);
    EXPECT_LT(std::abs(text.top() - Rig::kTextY), Rig::kTextSize / 2);
    EXPECT_GT(text.height(), Rig::kTextSize);  // two lines
    EXPECT_TRUE(isPicture(screen.pixel(kPictureArea.topLeft() + QPoint(2, 2))));
    EXPECT_TRUE(isPicture(screen.pixel(kPictureArea.bottomRight() - QPoint(2, 2))));
    // No dark or grey rectangle around what is drawn: the game shows right up to it.
    EXPECT_TRUE(gameAllOverExcept(screen, QRegion(text.adjusted(-4, -4, 4, 4)) + kPictureArea));

    std::int32_t width = 0;
    std::int32_t height = 0;
    rig.library.GPSI_GetScreenSize(width, height);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);

    rig.form.GrafikInDXVerbergen("schalten.jpg");
    rig.library.GPML_ShowText(0);
    EXPECT_TRUE(eventually([](const QImage& shown) { return gameAllOverExcept(shown, {}); }));
}

TEST(QtOverlayOnX11, RisesAboveTheGameWhenItsContentChanges) {
    Game game;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    Rig rig;
    rig.form.TextInDX("V - 1.23");
    ASSERT_TRUE(
        eventually([](const QImage& screen) { return !textBox(screen, kTextArea).isEmpty(); }));

    // The game comes to the front, as a game does when it goes full screen.
    game.raise();
    ASSERT_TRUE(
        eventually([](const QImage& screen) { return textBox(screen, kTextArea).isEmpty(); }));

    rig.form.TextInDX("V - 2.00");
    EXPECT_TRUE(
        eventually([](const QImage& screen) { return !textBox(screen, kTextArea).isEmpty(); }));
}

}  // namespace
}  // namespace rennlupe::desktop
