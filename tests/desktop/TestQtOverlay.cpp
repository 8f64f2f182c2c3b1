#include "desktop/QtOverlayLibrary.h"

#include "desktop/OverlayRig.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QScreen>
#include <QString>

#include <cstdint>
#include <string>

namespace rennlupe::desktop {
namespace {

using Rig = OverlayRig;

QImage grabbed(OverlayWindow& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(QtOverlay, DrawsTheTextBlockLineByLineAtTheSliders) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    EXPECT_FALSE(window.isVisible());

    rig.form.TextInDX("V - 1.23");
    ASSERT_TRUE(window.isVisible());
    QImage image = grabbed(window);
    const QRect one = textBox(image, image.rect());
    ASSERT_FALSE(one.isEmpty());
    EXPECT_GE(one.left(), Rig::kTextX);
    EXPECT_LT(one.left(), Rig::kTextX + Rig::kTextSize / 2);
    EXPECT_GE(one.top(), Rig::kTextY);
    EXPECT_LT(one.top(), Rig::kTextY + Rig::kTextSize / 2);
    EXPECT_LT(one.bottom(), Rig::kTextY + 2 * Rig::kTextSize);
    EXPECT_LT(one.right(), Rig::kTextX + 8 * Rig::kTextSize);
    // The shape holds every drawn pixel and nothing far from them.
    const QRegion shape = window.mask();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0 && !shape.contains(QPoint(x, y))) {
                FAIL() << "drawn outside the shape at " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(shape.boundingRect().adjusted(-8, -8, 8, 8).contains(one));
    EXPECT_LT(shape.boundingRect().width(), one.width() + 12);
    EXPECT_FALSE(shape.contains(QPoint(Rig::kTextX + 400, Rig::kTextY + 300)));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));

    rig.form.TextInDX("V - 1.23\rV - 1.23");
    image = grabbed(window);
    const QRect first = textBox(image, QRect(0, 0, image.width(), one.bottom() + 1));
    const QRect second = textBox(image, QRect(0, one.bottom() + 1, image.width(), image.height()));
    EXPECT_EQ(first, one);
    EXPECT_EQ(second.size(), one.size());
    EXPECT_EQ(second.left(), one.left());
    EXPECT_GT(second.top(), one.bottom());
    EXPECT_LT(second.top(), one.top() + 2 * Rig::kTextSize);
    EXPECT_TRUE(window.mask().contains(second.center()));

    // A leading carriage return is an empty first line.
    rig.form.TextInDX("\rV - 1.23");
    image = grabbed(window);
    EXPECT_EQ(textBox(image, image.rect()), second);

    // Size 0 still draws readable text.
    rig.Slider4.setValue(0);
    rig.form.TextInDX("V - 1.23");
    image = grabbed(window);
    const QRect unsized = textBox(image, image.rect());
    EXPECT_GE(unsized.height(), 8);

    // Only the text was shown, so hiding it leaves nothing to show.
    rig.library.GPML_ShowText(0);
    EXPECT_FALSE(window.isVisible());
    rig.library.GPML_ShowText(-1);
    EXPECT_TRUE(window.isVisible());
    // Fully transparent text is nothing to show.
    rig.library.GPML_SetTextMultilineData(10, 10, "V", 0x00FF0000, 0, 24, -1, 300, 400, 1);
    rig.library.GPML_ShowText(-1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(rig.line.messages().empty());
}

TEST(QtOverlay, ShowsAndHidesThePictureFromTheProgramFolder) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    ASSERT_TRUE(rig.writePicture("schalten.jpg"));

    rig.form.GrafikInDXZeigen("schalten.jpg");
    ASSERT_TRUE(window.isVisible());
    QImage image = grabbed(window);
    EXPECT_TRUE(isPicture(image.pixel(Rig::kPictureX + 2, Rig::kPictureY + 2)));
    EXPECT_TRUE(isPicture(image.pixel(Rig::kPictureX + Rig::kPictureWidth - 3,
                                      Rig::kPictureY + Rig::kPictureHeight - 3)));
    EXPECT_EQ(qAlpha(image.pixel(Rig::kPictureX - 2, Rig::kPictureY - 2)), 0);
    EXPECT_EQ(qAlpha(image.pixel(Rig::kPictureX + Rig::kPictureWidth + 1, Rig::kPictureY)), 0);
    const QRect picture(Rig::kPictureX, Rig::kPictureY, Rig::kPictureWidth, Rig::kPictureHeight);
    EXPECT_EQ(window.mask(), QRegion(picture));

    rig.form.GrafikInDXVerbergen("schalten.jpg");
    EXPECT_FALSE(window.isVisible());

    // With the text beside it, hiding the picture leaves the text.
    rig.form.TextInDX("V - 1.23");
    rig.form.GrafikInDXZeigen("schalten.jpg");
    EXPECT_TRUE(window.mask().contains(picture));
    rig.form.GrafikInDXVerbergen("schalten.jpg");
    ASSERT_TRUE(window.isVisible());
    image = grabbed(window);
    EXPECT_FALSE(isPicture(image.pixel(picture.center())));
    EXPECT_FALSE(window.mask().intersects(picture));
    EXPECT_FALSE(textBox(image, image.rect()).isEmpty());

    // The path is UTF-8; a file that is missing or not a picture shows nothing.
    rig.library.GPML_ShowText(0);
    ASSERT_TRUE(rig.writePicture("Grafik Größe.jpg"));
    rig.form.GrafikInDXZeigen("Grafik Größe.jpg");
    EXPECT_TRUE(window.isVisible());
    rig.form.GrafikInDXZeigen("fehlt.jpg");
    EXPECT_FALSE(window.isVisible());
    support::TemporaryFolder::write(rig.folder.file("kaputt.jpg"), "no picture at all");
    rig.form.GrafikInDXZeigen("kaputt.jpg");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(rig.line.messages().empty());
}

TEST(QtOverlay, IsAClickThroughWindowOverTheWholeScreen) {
    Rig rig;
    OverlayWindow& window = rig.library.window();
    const Qt::WindowFlags flags = window.windowFlags();
    for (const Qt::WindowType flag :
         {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowTransparentForInput,
          Qt::Tool, Qt::WindowDoesNotAcceptFocus}) {
        EXPECT_TRUE(flags.testFlag(flag)) << flag;
    }
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window.focusPolicy(), Qt::NoFocus);

    rig.form.TextInDX("V - 1.23");
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(window.geometry(), screen->geometry());
    EXPECT_NE(QApplication::activeWindow(), &window);

    std::int32_t width = 0;
    std::int32_t height = 0;
    rig.library.GPSI_GetScreenSize(width, height);
    EXPECT_EQ(width, screen->geometry().width());
    EXPECT_EQ(height, screen->geometry().height());
    rig.form.tmrScreenSize.setEnabled(true);
    rig.form.tmrScreenSize.tick();
    EXPECT_EQ(rig.form.lblScreenSize.caption(),
              "Screen Size: W: " + std::to_string(width) + ", H: " + std::to_string(height));
    EXPECT_GT(width, 0);
}

}  // namespace
}  // namespace rennlupe::desktop
