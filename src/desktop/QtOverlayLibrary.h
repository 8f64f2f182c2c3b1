#pragma once

#include "desktop/OverlayWindow.h"
#include "overlay/OverlayLibrary.h"
#include "platform/files/Files.h"
#include "platform/files/FileStamp.h"

#include <QImage>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::desktop {

// The drawing library as a window of the program's own over the game, made
// after the application object. A size of 0 draws at kDefaultPixelSize; a
// picture that cannot be read shows nothing. Each picture file is read once,
// and again only when its modification time or size changed (looked at no more
// than once a kRecheckPause).
class QtOverlayLibrary final : public overlay::OverlayLibrary {
public:
    static constexpr int kDefaultPixelSize = 16;
    static constexpr std::chrono::milliseconds kRecheckPause{1000};

    explicit QtOverlayLibrary(const platform::Files& files,
                              std::chrono::milliseconds textPause = OverlayWindow::kTextPause)
        : m_files(files), m_window(textPause) {}
    QtOverlayLibrary(const QtOverlayLibrary&) = delete;
    QtOverlayLibrary& operator=(const QtOverlayLibrary&) = delete;

    void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                   std::int32_t colour, std::int32_t zero, std::uint8_t size,
                                   std::int32_t allBits, std::int32_t width, std::int32_t height,
                                   std::uint8_t one) override;
    void GPML_ShowText(std::int32_t show) override;
    void GPPIC_LoadNewPicture(std::string_view path) override;
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override;
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override;

    OverlayWindow& window() noexcept { return m_window; }

private:
    struct LoadedPicture {
        std::optional<platform::FileStamp> stamp;
        QImage picture;
        std::chrono::steady_clock::time_point checkedAt;
    };

    const platform::Files& m_files;
    OverlayWindow m_window;
    OverlayWindow::TextBlock m_kept;
    std::map<std::string, LoadedPicture, std::less<>> m_loaded;
    QImage m_picture;
};

}  // namespace rennlupe::desktop
