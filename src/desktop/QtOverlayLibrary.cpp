#include "desktop/QtOverlayLibrary.h"

#include "desktop/toQString.h"

#include <QColor>
#include <QImageReader>
#include <QPoint>
#include <QSize>

#include <chrono>

namespace rennlupe::desktop {

void QtOverlayLibrary::GPML_SetTextMultilineData(std::int16_t x, std::int16_t y,
                                                 std::string_view text, std::int32_t colour,
                                                 std::int32_t, std::uint8_t size, std::int32_t,
                                                 std::int32_t, std::int32_t, std::uint8_t) {
    m_kept.topLeft = QPoint(x, y);
    m_kept.text = toQString(text);
    m_kept.colour = QColor::fromRgba(static_cast<QRgb>(colour));
    m_kept.pixelSize = size != 0 ? size : kDefaultPixelSize;
}

void QtOverlayLibrary::GPML_ShowText(std::int32_t show) {
    if (show != 0) {
        m_window.showText(m_kept);
    } else {
        m_window.hideText();
    }
}

void QtOverlayLibrary::GPPIC_LoadNewPicture(std::string_view path) {
    // Asked for with every gauge packet: the file is looked at again only after a pause.
    const auto now = std::chrono::steady_clock::now();
    auto loaded = m_loaded.find(path);
    const bool isNew = loaded == m_loaded.end();
    if (isNew) {
        loaded = m_loaded.try_emplace(std::string(path)).first;
    } else if (now - loaded->second.checkedAt < kRecheckPause) {
        m_picture = loaded->second.picture;
        return;
    }
    LoadedPicture& entry = loaded->second;
    const std::optional<platform::FileStamp> stamp = m_files.stampOf(loaded->first);
    if (isNew || entry.stamp != stamp) {
        // Null when the file cannot be read.
        entry.stamp = stamp;
        entry.picture = stamp ? QImageReader(toQString(path)).read() : QImage();
    }
    entry.checkedAt = now;
    m_picture = entry.picture;
}

void QtOverlayLibrary::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) {
    if (show != 0 && !m_picture.isNull()) {
        m_window.showPicture(m_picture, QPoint(x, y));
    } else {
        m_window.hidePicture();
    }
}

void QtOverlayLibrary::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    const QSize size = m_window.screenSize();
    width = size.width();
    height = size.height();
}

}  // namespace rennlupe::desktop
