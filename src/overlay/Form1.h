#pragma once

#include "bits/MessageLine.h"
#include "controls/CommandButton.h"
#include "controls/Label.h"
#include "controls/Slider.h"
#include "controls/Timer.h"
#include "overlay/OverlayLibrary.h"
#include "platform/files/Files.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rennlupe::overlay {

// The bridge to the in-game drawing: a window that is never shown. Where the
// text and the picture go, the text's colour and size come from the main
// window's six sliders, read at the moment of each call.
class Form1 {
public:
    static constexpr std::string_view kCaption = "Form1";

    struct Sliders {
        const controls::Slider& Slider1;  // text X
        const controls::Slider& Slider2;  // text Y
        const controls::Slider& Slider3;  // text colour, red in the lowest byte
        const controls::Slider& Slider4;  // text size
        const controls::Slider& Slider5;  // picture X
        const controls::Slider& Slider6;  // picture Y
    };

    Form1(OverlayLibrary& library, const platform::Files& files, Sliders sliders,
          bits::MessageLine& messageLine);

    // Lines are separated by a carriage return alone.
    void TextInDX(std::string_view Meldung);
    void GrafikInDXZeigen(std::string_view Grafik);
    // Loads the picture again, then hides it.
    void GrafikInDXVerbergen(std::string_view Grafik);
    // 0xAARRGGBB, alpha 255 opaque; Overflow (6) for a transparency outside 0 to 100.
    static std::int32_t GetTextColour(std::int32_t p_lngTextColour, std::int16_t p_intTransparency);

    controls::Timer tmrScreenSize{"tmrScreenSize", 1000};
    controls::CommandButton Command1{"Command1", "Test GPP"};
    controls::Label lblScreenSize{"lblScreenSize", ""};

private:
    void showPicture(std::string_view Grafik, std::int32_t show);
    void tmrScreenSize_Timer();

    OverlayLibrary& m_library;
    const platform::Files& m_files;
    Sliders m_sliders;
    bits::MessageLine& m_messageLine;
};

}  // namespace rennlupe::overlay
