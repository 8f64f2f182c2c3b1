#pragma once

#include "desktop/QtOverlayLibrary.h"
#include "overlay/Form1.h"
#include "support/FailingFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/TemporaryFolder.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

namespace rennlupe::desktop {

// The bridge as the main window drives it, over the real overlay window, with
// the program's folder in a temporary folder. The text is red, the picture green.
struct OverlayRig : support::MainWindowSliders {
    static constexpr int kTextX = 120;
    static constexpr int kTextY = 90;
    static constexpr int kTextSize = 24;
    static constexpr int kPictureX = 500;
    static constexpr int kPictureY = 400;
    static constexpr int kPictureWidth = 60;
    static constexpr int kPictureHeight = 40;

    support::TemporaryFolder folder;
    support::FailingFiles files;
    support::RecordingMessageLine line;
    QtOverlayLibrary library;
    overlay::Form1 form{
        library, files, {Slider1, Slider2, Slider3, Slider4, Slider5, Slider6}, line};

    OverlayRig() {
        files.placeExecutable(folder.file("rennlupe"));
        Slider1.setValue(kTextX);
        Slider2.setValue(kTextY);
        Slider3.setValue(0x00FF);  // red
        Slider4.setValue(kTextSize);
        Slider5.setValue(kPictureX);
        Slider6.setValue(kPictureY);
    }

    bool writePicture(std::string_view name) const {
        QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        picture.fill(QColor(0, 200, 0));
        return picture.save(QString::fromStdString(folder.file(name)), "JPEG");
    }
};

inline bool isText(QRgb pixel) {
    return qAlpha(pixel) > 200 && qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

inline bool isPicture(QRgb pixel) {
    return qAlpha(pixel) > 200 && qGreen(pixel) > 150 && qRed(pixel) < 60 && qBlue(pixel) < 60;
}

// The smallest rectangle around the text-coloured pixels of `image` within `area`.
inline QRect textBox(const QImage& image, const QRect& area) {
    QRect box;
    const QRect within = area.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (isText(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

}  // namespace rennlupe::desktop
