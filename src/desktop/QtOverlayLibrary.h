#pragma once

#include "desktop/OverlayWindow.h"
#include "overlay/OverlayLibrary.h"

#include <QImage>

#include <cstdint>
#include <string_view>

namespace rennlupe::desktop {

// The drawing library as a window of the program's own over the game, made
// after the application object. A size of 0 draws at kDefaultPixelSize; a
// picture that cannot be read shows nothing.
class QtOverlayLibrary final : public overlay::OverlayLibrary {
public:
    static constexpr int kDefaultPixelSize = 16;

    QtOverlayLibrary() = default;
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
    OverlayWindow m_window;
    OverlayWindow::TextBlock m_kept;
    QImage m_picture;
};

}  // namespace rennlupe::desktop
