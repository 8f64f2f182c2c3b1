#include "overlay/Form1.h"

#include "bits/Overflow.h"
#include "platform/files/SystemFiles.h"
#include "support/MainWindowSliders.h"
#include "support/RecordingMessageLine.h"
#include "support/RecordingOverlayLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace rennlupe::overlay {
namespace {

struct Bridge : support::MainWindowSliders {
    support::RecordingOverlayLibrary library;
    platform::SystemFiles files;
    support::RecordingMessageLine line;
    Form1 form{library, files, {Slider1, Slider2, Slider3, Slider4, Slider5, Slider6}, line};
};

TEST(Form1, TextAndPictureGoOutWithTheSlidersOfTheMomentOfTheCall) {
    Bridge b;
    for (std::size_t i = 0; const int value : {620, 40, 0x00FF, 12, 300, 200}) {  // Slider1 to 6
        b.all()[i++].get().setValue(value);
    }
    b.form.TextInDX("\rV - 1.23\rH - 0.50");
    b.form.GrafikInDXZeigen("schalten.jpg");
    b.Slider1.setValue(0);
    b.Slider3.setValue(65000);  // 0xFDE8: red 0xE8, green 0xFD
    b.Slider6.setValue(201);
    b.form.TextInDX("x");
    b.form.GrafikInDXVerbergen("schalten.jpg");  // loaded from the program's folder again
    const std::string load =
        "GPPIC_LoadNewPicture " +
        (std::filesystem::u8path(b.files.executablePath()).parent_path() / "schalten.jpg").string();
    EXPECT_EQ(b.library.calls,
              (std::vector<std::string>{
                  "GPML_SetTextMultilineData 620 40 [\rV - 1.23\rH - 0.50] 0xFFFF0000 0 12 -1 "
                  "300 400 1",
                  "GPML_ShowText -1", load, "GPPIC_ShowPicturePos -1 300 200",
                  "GPML_SetTextMultilineData 0 40 [x] 0xFFE8FD00 0 12 -1 300 400 1",
                  "GPML_ShowText -1", load, "GPPIC_ShowPicturePos 0 300 201"}));
}

TEST(Form1, TextColourPutsAlphaAboveRedGreenBlue) {
    const auto colour = [](std::int32_t rgb, std::int16_t transparency) {
        return static_cast<std::uint32_t>(Form1::GetTextColour(rgb, transparency));
    };
    EXPECT_EQ(colour(0, 100), 0U);
    EXPECT_EQ(colour(0x563412, 50), 0x80123456U);  // 127.5 rounds to the even 128
    EXPECT_EQ(colour(static_cast<std::int32_t>(0xAB000001U), 10), 0xE6010000U);  // top byte ignored
    EXPECT_THROW(Form1::GetTextColour(0, 101), bits::Overflow);
    EXPECT_THROW(Form1::GetTextColour(0, -1), bits::Overflow);
}

TEST(Form1, ScreenSizeTimerWritesItsCaptionAndFailuresReachTheCaller) {
    Bridge b;
    // A slider wider than the argument it is passed as.
    controls::Slider wide{"Slider1", 0, 40000};
    controls::Slider big{"Slider4", 0, 1000};
    wide.setValue(40000);
    big.setValue(256);
    Form1 form(b.library, b.files, {wide, b.Slider2, b.Slider3, b.Slider4, wide, b.Slider6},
               b.line);
    EXPECT_THROW(form.TextInDX("x"), bits::Overflow);
    Form1 sized(b.library, b.files, {b.Slider1, b.Slider2, b.Slider3, big, b.Slider5, b.Slider6},
                b.line);
    EXPECT_THROW(sized.TextInDX("x"), bits::Overflow);

    b.form.tmrScreenSize.setEnabled(true);
    b.library.screenWidth = 1024;
    b.library.screenHeight = 768;
    b.form.tmrScreenSize.tick();
    EXPECT_EQ(b.form.lblScreenSize.caption(), "Screen Size: W: 1024, H: 768");
    b.library.screenHeight = 0;
    b.form.tmrScreenSize.tick();
    EXPECT_EQ(b.form.lblScreenSize.caption(), "Screen Size: N/A");
    b.library.missing = true;
    b.form.tmrScreenSize.tick();
    EXPECT_EQ(b.line.messages(),
              std::vector<std::string>{"-ERROR- tmrScreenSize_Timer() - 48: Error in loading DLL"});
    EXPECT_THROW(b.form.TextInDX("V - 1.00"), bits::Error);
    EXPECT_THROW(b.form.GrafikInDXZeigen("schalten.jpg"), bits::Error);
}

}  // namespace
}  // namespace rennlupe::overlay
