#include "desktop/QtOverlayLibrary.h"

#include "overlay/Form1.h"
#include "support/FailingFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace rennlupe::desktop {
namespace {

// The bridge as the main window drives it, over the real overlay window, with
// the program's folder in a temporary folder. The text is red.
struct Rig : support::MainWindowSliders {
    static constexpr int kTextX = 120;
    static constexpr int kTextY = 90;
    static constexpr int kTextSize = 24;
    static inline const QRect kPicture{500, 400, 60, 40};

    support::TemporaryFolder folder;
    support::FailingFiles files;
    support::RecordingMessageLine line;
    QtOverlayLibrary library{files, std::chrono::milliseconds(0)};  // every text drawn at once
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
};

bool isText(QRgb pixel) {
    return qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// The smallest rectangle around the text-coloured pixels of `image` within `area`.
QRect textBox(const QImage& image, const QRect& area = {0, 0, 1 << 14, 1 << 14},
              bool (*colour)(QRgb) = isText) {
    QRect box;
    const QRect within = area.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            box |= colour(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

QImage grabbed(OverlayWindow& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(QtOverlay, IsAClickThroughScreenDrawingTextAndPictureAtTheSlidersWithinItsShape) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    const Qt::WindowFlags kept = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                 Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                                 Qt::Tool;
    EXPECT_EQ(window.windowFlags() & kept, kept);
    rig.form.TextInDX("V - 1.23");
    ASSERT_TRUE(window.isVisible());
    std::int32_t width = 0, height = 0;  // the whole screen, as the window covers it
    rig.library.GPSI_GetScreenSize(width, height);
    EXPECT_EQ(QRect(0, 0, width, height), window.geometry());

    const QImage image = grabbed(window);
    const QRect one = textBox(image);
    EXPECT_TRUE(QRect(Rig::kTextX, Rig::kTextY, Rig::kTextSize / 2, Rig::kTextSize / 2)
                    .contains(one.topLeft()));
    EXPECT_LT(one.bottom(), Rig::kTextY + 2 * Rig::kTextSize);
    // The shape holds every drawn pixel (that it holds nothing more, the X display case shows).
    const QRegion shape = window.mask();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_TRUE(qAlpha(image.pixel(x, y)) == 0 || shape.contains(QPoint(x, y))) << x << y;
        }
    }

    // A carriage return starts a line below, at the same left edge.
    rig.form.TextInDX("\rV - 1.23");
    const QRect second = textBox(grabbed(window));
    EXPECT_EQ(second.left(), one.left());
    EXPECT_GT(second.top(), one.bottom());
    rig.form.TextInDX("V - 1.23\rV - 1.23");
    EXPECT_EQ(textBox(grabbed(window)), one | second);

    rig.Slider4.setValue(0);  // size 0 still draws readable text
    rig.form.TextInDX("V - 1.23");
    EXPECT_GE(textBox(grabbed(window)).height(), 8);

    // Text faster than the pause shows its latest lines once the pause is over.
    QtOverlayLibrary paced{rig.files, std::chrono::milliseconds(50)};
    for (const char* text : {"V", "V\rH", "V - 1.23\rH - 0.50"}) {
        paced.GPML_SetTextMultilineData(10, 10, text, static_cast<std::int32_t>(0xFFFF0000U), 0, 24,
                                        -1, 300, 400, 1);
        paced.GPML_ShowText(-1);
    }
    EXPECT_TRUE(QTest::qWaitFor([&paced] {
        const QRect box = textBox(grabbed(paced.window()));
        return box.width() > 2 * Rig::kTextSize && box.height() > Rig::kTextSize;
    }));

    // Only the text was shown, so hiding it leaves nothing to show; nor does clear text.
    rig.library.GPML_ShowText(0);
    EXPECT_FALSE(window.isVisible());
    rig.library.GPML_SetTextMultilineData(10, 10, "V", 0x00FF0000, 0, 24, -1, 300, 400, 1);
    rig.library.GPML_ShowText(-1);
    EXPECT_FALSE(window.isVisible());

    // The picture, green, from the program folder with a UTF-8 path.
    QImage picture(Rig::kPicture.size(), QImage::Format_RGB32);
    picture.fill(QColor(0, 200, 0));
    ASSERT_TRUE(picture.save(QString::fromStdString(rig.folder.file("Grafik Größe.jpg")), "JPEG"));
    rig.form.GrafikInDXZeigen("Grafik Größe.jpg");
    ASSERT_TRUE(window.isVisible());
    const QRgb green = grabbed(window).pixel(Rig::kPicture.bottomRight() - QPoint(2, 2));
    EXPECT_TRUE(qAlpha(green) > 200 && qGreen(green) > 150 && qRed(green) < 60 &&
                qBlue(green) < 60);
    EXPECT_EQ(window.mask(), QRegion(Rig::kPicture));
    rig.form.GrafikInDXVerbergen("Grafik Größe.jpg");
    EXPECT_FALSE(window.isVisible());

    // A file is read once; again only when its modification time or size changed.
    const std::string bitmap = rig.folder.file("Bild.bmp");
    const auto showsRed = [&rig, &window] {
        rig.form.GrafikInDXZeigen("Bild.bmp");
        return qRed(grabbed(window).pixel(Rig::kPicture.center())) > 150;
    };
    ASSERT_TRUE(picture.save(QString::fromStdString(bitmap), "BMP"));
    const auto written = std::filesystem::last_write_time(bitmap);
    EXPECT_FALSE(showsRed());
    picture.fill(QColor(200, 0, 0));
    ASSERT_TRUE(picture.save(QString::fromStdString(bitmap), "BMP"));  // the same size
    std::filesystem::last_write_time(bitmap, written);
    EXPECT_FALSE(showsRed());
    std::filesystem::last_write_time(bitmap, written + std::chrono::seconds(1));
    EXPECT_TRUE(QTest::qWaitFor(showsRed, 3000));  // looked at again after a pause
    rig.form.GrafikInDXVerbergen("Bild.bmp");

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

// The game's colour codes: "^1" red, "^2" green, else the slider's yellow; the codes unseen,
// so the three lines of the same text cover the same width (a code would add 15 pixels).
TEST(QtOverlay, DrawsEachLineInTheColourOfItsCode) {
    Rig rig;
    rig.Slider3.setValue(65000);  // 0xFDE8: yellow
    rig.form.TextInDX("^1V - 1.23\r^2V - 1.23\rV - 1.23");
    const QImage image = grabbed(rig.library.window());
    const QRect all(0, 0, 1 << 14, 1 << 14);
    const QRect red = textBox(image, all, isText);
    const QRect green = textBox(image, all, [](QRgb p) {
        return qAlpha(p) > 200 && qGreen(p) > 180 && qRed(p) < 80 && qBlue(p) < 80;
    });
    const QRect yellow = textBox(image, all, [](QRgb p) {
        return qAlpha(p) > 200 && qRed(p) > 180 && qGreen(p) > 180 && qBlue(p) < 80;
    });
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GT(green.top(), red.bottom());
    EXPECT_GT(yellow.top(), green.bottom());
    for (const QRect& line : {green, yellow}) {  // edges blend into the outline by colour
        EXPECT_NEAR(line.left(), red.left(), 2);
        EXPECT_NEAR(line.right(), red.right(), 2);
    }
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
            return condition(QGuiApplication::primaryScreen()->grabWindow(0).toImage());
        },
        10000);
}

TEST(QtOverlayOnX11, DrawsOnlyTheTextOverTheGameAndRisesAboveItWhenTheTextChanges) {
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
    rig.form.TextInDX("V - 1.23\rH - 0.50");
    QRect text;
    ASSERT_TRUE(eventually([&text](const QImage& screen) {
        text = textBox(screen, kTextArea);
        return text.height() > Rig::kTextSize;  // two lines
    }));
    // No dark or grey rectangle around what is drawn: the game, a plain dark window over
    // the whole screen, shows right up to it.
    const QRect drawn = text.adjusted(-4, -4, 4, 4);
    EXPECT_TRUE(eventually([&drawn](const QImage& screen) {
        for (int y = 0; y < screen.height(); y += 4) {
            for (int x = 0; x < screen.width(); x += 4) {
                if (!drawn.contains(x, y) && (screen.pixel(x, y) & 0xF0F0F0U) != 0x102050U) {
                    return false;
                }
            }
        }
        return true;
    }));

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
