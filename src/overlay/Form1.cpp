#include "overlay/Form1.h"

#include "bits/checked16.h"
#include "bits/guardHandler.h"
#include "bits/Overflow.h"
#include "platform/files/programPaths.h"

#include <cmath>
#include <limits>

namespace rennlupe::overlay {

namespace {

constexpr std::int32_t kShow = -1;
constexpr std::int32_t kHide = 0;

std::uint8_t narrowToByte(int value) {
    if (value < 0 || value > std::numeric_limits<std::uint8_t>::max()) {
        throw bits::Overflow();
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace

Form1::Form1(OverlayLibrary& library, const platform::Files& files, Sliders sliders,
             bits::MessageLine& messageLine)
    : m_library(library), m_files(files), m_sliders(sliders), m_messageLine(messageLine) {
    tmrScreenSize.Tick.connect([this] {
        bits::guardHandler(m_messageLine, "tmrScreenSize_Timer", [this] { tmrScreenSize_Timer(); });
    });
}

std::int32_t Form1::GetTextColour(std::int32_t p_lngTextColour, std::int16_t p_intTransparency) {
    const double alpha = std::nearbyint(255.0 - p_intTransparency / 100.0 * 255.0);
    if (alpha < 0 || alpha > 255) {
        throw bits::Overflow();  // more than two hexadecimal digits
    }
    const auto colour = static_cast<std::uint32_t>(p_lngTextColour);
    const std::uint32_t red = colour & 0xFFU;
    const std::uint32_t green = (colour >> 8U) & 0xFFU;
    const std::uint32_t blue = (colour >> 16U) & 0xFFU;
    const std::uint32_t argb =
        (static_cast<std::uint32_t>(alpha) << 24U) | (red << 16U) | (green << 8U) | blue;
    return static_cast<std::int32_t>(argb);
}

void Form1::TextInDX(std::string_view Meldung) {
    const std::int16_t x = bits::checked16::narrow(m_sliders.Slider1.value());
    const std::int16_t y = bits::checked16::narrow(m_sliders.Slider2.value());
    const std::int32_t colour = GetTextColour(m_sliders.Slider3.value(), 0);
    const std::uint8_t size = narrowToByte(m_sliders.Slider4.value());
    m_library.GPML_SetTextMultilineData(x, y, Meldung, colour, 0, size, -1, 300, 400, 1);
    m_library.GPML_ShowText(kShow);
}

void Form1::showPicture(std::string_view Grafik, std::int32_t show) {
    m_library.GPPIC_LoadNewPicture(platform::besideExecutable(m_files, Grafik));
    const std::int16_t x = bits::checked16::narrow(m_sliders.Slider5.value());
    const std::int16_t y = bits::checked16::narrow(m_sliders.Slider6.value());
    m_library.GPPIC_ShowPicturePos(show, x, y);
}

void Form1::GrafikInDXZeigen(std::string_view Grafik) {
    showPicture(Grafik, kShow);
}

void Form1::GrafikInDXVerbergen(std::string_view Grafik) {
    showPicture(Grafik, kHide);
}

void Form1::tmrScreenSize_Timer() {
    std::int32_t width = 0;
    std::int32_t height = 0;
    m_library.GPSI_GetScreenSize(width, height);
    const bool known = width != 0 && height != 0;
    lblScreenSize.setCaption(
        "Screen Size: " +
        (known ? "W: " + std::to_string(width) + ", H: " + std::to_string(height) : "N/A"));
}

}  // namespace rennlupe::overlay
