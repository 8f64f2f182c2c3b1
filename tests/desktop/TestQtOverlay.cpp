#include "desktop/QtOverlayLibrary.h"

#include "overlay/Form1.h"
#include "support/FailingFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace rennlupe::desktop {
namespace {

// The bridge as the main window drives it, over the real overlay window, with
// the program's folder in a temporary folder. The text is red, the picture green.
struct Rig : support::MainWindowSliders {
    static constexpr int kTextX = 120;
    static constexpr int kTextY = 90;
    static constexpr int kTextSize = 24;
    static inline const QRect kPicture{500, 400, 60, 40};

    support::TemporaryFolder folder;
    support::FailingFiles files;
    support::RecordingMessageLine line;
    QtOverlayLibrary library;
    overlay::Form1 form{
        library, files, {Slider1, Slider2, Slider3, Slider4, Slider5, Slider6}, line};

    Rig() {
        files.placeExecutable(folder.file("rennlupe"));
        Slider1.setValue(kTextX);
        Slider2.setValue(kTextY);
        Slider3.setValue(0x00FF);  // red
        Slider4.setValue(kTextSize);
        Slider5.setValue(kPicture.x());
        Slider6.setValue(kPicture.y());
    }

    bool writePicture(std::string_view name) const {
        QImage picture(kPicture.size(), QImage::Format_RGB32);
        picture.fill(QColor(0, 200, 0));
        return picture.save(QString::fromStdString(folder.file(name)), "JPEG");
    }
};

bool isText(QRgb pixel) {
    return qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool isPicture(QRgb pixel) {
    return qAlpha(pixel) > 200 && qGreen(pixel) > 150 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

// The smallest rectangle around the text-coloured pixels of `image` within `area`.
QRect textBox(const QImage& image, const QRect& area = {0, 0, 1 << 14, 1 << 14}) {
    QRect box;
    const QRect within = area.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            box |= isText(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

QImage grabbed(OverlayWindow& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(QtOverlay, DrawsTheTextBlockLineByLineAtTheSlidersWithinItsShape) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    rig.form.TextInDX("V - 1.23");
    ASSERT_TRUE(window.isVisible());
    const QImage image = grabbed(window);
    const QRect one = textBox(image);
    EXPECT_TRUE(QRect(Rig::kTextX, Rig::kTextY, Rig::kTextSize / 2, Rig::kTextSize / 2)
                    .contains(one.topLeft()));
    EXPECT_LT(one.bottom(), Rig::kTextY + 2 * Rig::kTextSize);
    // The shape holds every drawn pixel and nothing far from them.
    const QRegion shape = window.mask();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_TRUE(qAlpha(image.pixel(x, y)) == 0 || shape.contains(QPoint(x, y))) << x << y;
        }
    }
    EXPECT_LT(shape.boundingRect().width(), one.width() + 12);

    // A carriage return starts a line below, at the same left edge.
    rig.form.TextInDX("\rV - 1.23");
    const QRect second = textBox(grabbed(window));
    EXPECT_EQ(second.left(), one.left());
    EXPECT_GT(second.top(), one.bottom());
    EXPECT_LT(second.top(), one.top() + 2 * Rig::kTextSize);
    rig.form.TextInDX("V - 1.23\rV - 1.23");
    EXPECT_EQ(textBox(grabbed(window)), one | second);

    rig.Slider4.setValue(0);  // size 0 still draws readable text
    rig.form.TextInDX("V - 1.23");
    EXPECT_GE(textBox(grabbed(window)).height(), 8);

    // Only the text was shown, so hiding it leaves nothing to show; nor does clear text.
    rig.library.GPML_ShowText(0);
    EXPECT_FALSE(window.isVisible());
    rig.library.GPML_SetTextMultilineData(10, 10, "V", 0x00FF0000, 0, 24, -1, 300, 400, 1);
    rig.library.GPML_ShowText(-1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(rig.line.messages().empty());
}

TEST(QtOverlay, ShowsAndHidesThePictureFromTheProgramFolder) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    ASSERT_TRUE(rig.writePicture("Grafik Größe.jpg"));  // the path is UTF-8
    rig.form.GrafikInDXZeigen("Grafik Größe.jpg");
    ASSERT_TRUE(window.isVisible());
    const QImage image = grabbed(window);
    EXPECT_TRUE(isPicture(image.pixel(Rig::kPicture.topLeft() + QPoint(2, 2))));
    EXPECT_TRUE(isPicture(image.pixel(Rig::kPicture.bottomRight() - QPoint(2, 2))));
    EXPECT_EQ(window.mask(), QRegion(Rig::kPicture));
    rig.form.GrafikInDXVerbergen("Grafik Größe.jpg");
    EXPECT_FALSE(window.isVisible());

    // With the text beside it, hiding the picture leaves the text.
    rig.form.TextInDX("V - 1.23");
    rig.form.GrafikInDXZeigen("Grafik Größe.jpg");
    rig.form.GrafikInDXVerbergen("Grafik Größe.jpg");
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(window.mask().intersects(Rig::kPicture));
    EXPECT_FALSE(textBox(grabbed(window)).isEmpty());

    // A file that is missing or not a picture shows nothing.
    rig.library.GPML_ShowText(0);
    support::TemporaryFolder::write(rig.folder.file("kaputt.jpg"), "no picture at all");
    for (const char* name : {"fehlt.jpg", "kaputt.jpg"}) {
        rig.form.GrafikInDXZeigen(name);
        EXPECT_FALSE(window.isVisible()) << name;
    }
    EXPECT_TRUE(rig.line.messages().empty());
}

TEST(QtOverlay, IsAClickThroughWindowOverTheWholeScreen) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    for (const Qt::WindowType flag :
         {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowTransparentForInput,
          Qt::Tool, Qt::WindowDoesNotAcceptFocus}) {
        EXPECT_TRUE(window.windowFlags().testFlag(flag)) << flag;
    }
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));

    rig.form.TextInDX("V - 1.23");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.geometry(), screen);
    EXPECT_NE(QApplication::activeWindow(), &window);
    std::int32_t width = 0, height = 0;
    rig.library.GPSI_GetScreenSize(width, height);
    EXPECT_EQ(QSize(width, height), screen.size());
}

// What only a real window system shows, the window's shape and its place in the
// stack, runs on a virtual X display of its own.
const QRect kTextArea(Rig::kTextX - 10, Rig::kTextY - 10, 320, 140);

// Waits for the window system, a round trip at a time, until the screen shows what is asked.
template <typename Condition>
bool eventually(Condition condition) {
    return QTest::qWaitFor(
        [&] {
            QGuiApplication::sync();
            return condition(
                QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
                    QImage::Format_ARGB32));
        },
        10000);
}

// The game, a plain dark window over the whole screen, shows everywhere but `drawn`.
bool gameAllOverExcept(const QImage& screen, const QRegion& drawn) {
    for (int y = 0; y < screen.height(); y += 4) {
        for (int x = 0; x < screen.width(); x += 4) {
            if (!drawn.contains(QPoint(x, y)) && (screen.pixel(x, y) & 0xF0F0F0U) != 0x102050U) {
                return false;
            }
        }
    }
    return true;
}

TEST(QtOverlayOnX11, DrawsOnlyTextAndPictureOverTheGameAndRisesAboveItWhenTheTextChanges) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP() << "runs on an X display of its own";
    }
    QWidget game(nullptr, Qt::FramelessWindowHint);
    game.setPalette(QPalette(QColor(20, 40, 90), QColor(20, 40, 90)));
    game.setAutoFillBackground(true);
    game.setGeometry(QGuiApplication::primaryScreen()->geometry());
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));

    Rig rig;
    ASSERT_TRUE(rig.writePicture("schalten.jpg"));
    rig.form.TextInDX("V - 1.23\rH - 0.50");
    rig.form.GrafikInDXZeigen("schalten.jpg");
    QRect text;
    ASSERT_TRUE(eventually([&text](const QImage& screen) {
        text = textBox(screen, kTextArea);
        return !text.isEmpty() && isPicture(screen.pixel(Rig::kPicture.center())) &&
               isPicture(screen.pixel(Rig::kPicture.topLeft() + QPoint(2, 2))) &&
               isPicture(screen.pixel(Rig::kPicture.bottomRight() - QPoint(2, 2))) &&
               text.height() > Rig::kTextSize;  // two lines
    }));
    EXPECT_LT(std::abs(text.left() - Rig::kTextX), Rig::kTextSize / 2);
    EXPECT_LT(std::abs(text.top() - Rig::kTextY), Rig::kTextSize / 2);
    // No dark or grey rectangle around what is drawn: the game shows right up to it.
    EXPECT_TRUE(eventually([&text](const QImage& screen) {
        return gameAllOverExcept(screen, QRegion(text.adjusted(-4, -4, 4, 4)) + Rig::kPicture);
    }));

    rig.form.GrafikInDXVerbergen("schalten.jpg");
    rig.library.GPML_ShowText(0);
    EXPECT_TRUE(eventually([](const QImage& screen) { return gameAllOverExcept(screen, {}); }));

    // The game comes to the front, as a game does when it goes full screen.
    rig.form.TextInDX("V - 1.23");
    ASSERT_TRUE(
        eventually([](const QImage& screen) { return !textBox(screen, kTextArea).isEmpty(); }));
    game.raise();
    ASSERT_TRUE(
        eventually([](const QImage& screen) { return textBox(screen, kTextArea).isEmpty(); }));
    rig.form.TextInDX("V - 2.00");
    EXPECT_TRUE(
        eventually([](const QImage& screen) { return !textBox(screen, kTextArea).isEmpty(); }));
}

}  // namespace
}  // namespace rennlupe::desktop
