#include "bits/InvalidArgument.h"
#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtc.h"
#include "insim10/IsBtn.h"
#include "insim10/IsiFlags.h"
#include "insim10/IsIsi.h"
#include "insim10/IsMst.h"
#include "insim10/IsMsx.h"
#include "insim10/PacketDecoder.h"
#include "insim10/SmallTypes.h"
#include "insim10/TinyTypes.h"

#include "hexBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::insim10 {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Layout>
Bytes bytesOf(const Layout& layout) {
    const auto bytes = layout.bytes();
    return {bytes.begin(), bytes.end()};
}

TEST(ClientPackets, MatchTheMeasuredBytes) {
    const IsIsi isi{1, 50000, kIsfLocal | kIsfMci, 10, '!', 100, "pw", "Rennlupe"};
    Bytes expected = hexBytes("0b 01 01 00 50 c3 24 00 0a 21 64 00 70 77");
    expected.resize(44);
    std::copy_n("Rennlupe", 8, expected.begin() + 28);
    EXPECT_EQ(bytesOf(isi), expected);
    const auto slowest = IsIsi{1, 0, 0, 10, 0, 8000, "", ""}.bytes();
    EXPECT_EQ(std::tuple(slowest[10], slowest[11]), std::tuple(0x40, 0x1F));

    EXPECT_EQ(bytesOf(IsTiny{0, kTinyNone}), hexBytes("01 03 00 00"));
    EXPECT_EQ(bytesOf(IsTiny{7, kTinyVer}), hexBytes("01 03 07 01"));
    EXPECT_EQ(bytesOf(IsTiny{2, kTinyNpl}), hexBytes("01 03 02 0e"));
    EXPECT_EQ(bytesOf(IsSmall{0, kSmallNli, 100}), hexBytes("02 04 00 07 64 00 00 00"));
    EXPECT_EQ(bytesOf(IsSmall{0, kSmallSsg, 10}), hexBytes("02 04 00 02 0a 00 00 00"));

    IsBtn button{1, 0, 5, 0, kIsbDark | kIsbLeft, 0, 10, 40, 30, 6, ""};
    const Bytes header = button.bytes();
    EXPECT_EQ(Bytes(header.begin() + 1, header.begin() + 12),
              hexBytes("2d 01 00 05 00 60 00 0a 28 1e 06"));
}

// The text is cut or padded by bytes: Msg's last byte stays 0.
TEST(ClientPackets, CutTextsToTheirFields) {
    for (const auto& [text, kept] : std::vector<std::pair<std::string, std::size_t>>{
             {"/echo hi", 8}, {std::string(63, 'x'), 63}, {std::string(70, 'x'), 63}}) {
        const auto mst = IsMst{text}.bytes();
        EXPECT_EQ(std::tuple(mst.size(), mst[0], mst[1]), std::tuple(68U, 17, kIspMst));
        EXPECT_EQ(std::string(mst.begin() + 4, mst.begin() + 4 + static_cast<long>(kept)),
                  text.substr(0, kept));
        EXPECT_TRUE(std::all_of(mst.begin() + 4 + static_cast<long>(kept), mst.end(),
                                [](std::uint8_t b) { return b == 0; }));
    }
    const auto msx = IsMsx{std::string(120, 'y')}.bytes();
    EXPECT_EQ(std::tuple(msx.size(), msx[0], msx[1], msx[98], msx[99]),
              std::tuple(100U, 25, kIspMsx, 'y', 0));
    const auto isi = IsIsi{1, 0, 0, 10, 0, 0, std::string(20, 'a'), std::string(20, 'b')}.bytes();
    EXPECT_EQ(std::tuple(isi[27], isi[28], isi[43]), std::tuple('a', 'b', 'b'));
}

// Measured: 12 + min(len + (4 - len % 4), 240) bytes; a 240-byte text has no terminating 0.
TEST(ClientPackets, PadButtonTextAsTheGameCounts) {
    for (const auto& [length, size, last] :
         std::vector<std::tuple<std::size_t, std::size_t, int>>{{0, 16, 0},
                                                                {3, 16, 0},
                                                                {4, 20, 0},
                                                                {10, 24, 0},
                                                                {239, 252, 0},
                                                                {240, 252, 'x'},
                                                                {300, 252, 'x'}}) {
        IsBtn button;
        button.Text = std::string(length, 'x');
        const Bytes bytes = button.bytes();
        EXPECT_EQ(std::tuple(bytes.size(), bytes[0], bytes.back()),
                  std::tuple(size, size / 4, last))
            << length;
        EXPECT_EQ(std::count(bytes.begin() + 12, bytes.end(), 'x'),
                  static_cast<long>(std::min<std::size_t>(length, 240)));
    }
}

TEST(ClientPackets, RefuseButtonsTheGameCannotAnswer) {
    IsBtn button;
    button.ClickID = IsBtn::kMaxClickId;
    EXPECT_NO_THROW(button.bytes());
    button.ClickID = 240;
    EXPECT_THROW(button.bytes(), bits::InvalidArgument);
    button.ClickID = 0;
    button.ReqI = 0;
    EXPECT_THROW(button.bytes(), bits::InvalidArgument);
}

TEST(ClientPackets, ReadBackWhatTheyWrite) {
    PacketDecoder decoder;
    const auto tiny = decoder.decode(IsTiny{9, kTinyPing}.bytes());
    ASSERT_TRUE(tiny && std::holds_alternative<IsTiny>(*tiny));
    EXPECT_EQ(std::tuple(std::get<IsTiny>(*tiny).ReqI, std::get<IsTiny>(*tiny).SubT),
              std::tuple(9, kTinyPing));
    const auto small = decoder.decode(IsSmall{3, kSmallRtp, 0x89ABCDEFU}.bytes());
    ASSERT_TRUE(small && std::holds_alternative<IsSmall>(*small));
    EXPECT_EQ(std::tuple(std::get<IsSmall>(*small).ReqI, std::get<IsSmall>(*small).SubT,
                         std::get<IsSmall>(*small).UVal),
              std::tuple(3, kSmallRtp, 0x89ABCDEFU));
    const IsBfn sent{4, 0, 255, 10, 20, 0x80};
    const auto bfn = decoder.decode(sent.bytes());
    ASSERT_TRUE(bfn && std::holds_alternative<IsBfn>(*bfn));
    const IsBfn& back = std::get<IsBfn>(*bfn);
    EXPECT_EQ(std::tuple(back.ReqI, back.SubT, back.UCID, back.ClickID, back.ClickMax, back.Inst),
              std::tuple(4, 0, 255, 10, 20, 0x80));
}

// The stand-in game reads what the program writes: every field, the text up to its 0.
TEST(ClientPackets, ReadButtonsAsTheGameDoes) {
    for (const std::size_t length : {0U, 3U, 4U, 239U, 240U}) {
        const std::string text = "^1" + std::string(length - std::min<std::size_t>(length, 2), 'x');
        const IsBtn sent{7,  255, 239, 0x80, kIsbDark | 1,          3,
                         90, 30,  200, 6,    text.substr(0, length)};
        const auto back = IsBtn::read(sent.bytes());
        ASSERT_TRUE(back) << length;
        EXPECT_EQ(std::tuple(back->ReqI, back->UCID, back->ClickID, back->Inst, back->BStyle,
                             back->TypeIn, back->L, back->T, back->W, back->H, back->Text),
                  std::tuple(7, 255, 239, 0x80, kIsbDark | 1, 3, 90, 30, 200, 6, sent.Text));
    }
    Bytes caption = IsBtn{1, 0, 2, 0, 0, 5, 1, 2, 3, 4, "abc"}.bytes();
    caption[12] = 0;  // a typing button's caption starts with 0: no text shown
    EXPECT_EQ(IsBtn::read(caption)->Text, "");
    for (const std::size_t size : {0U, 8U, 14U, 256U}) {
        EXPECT_FALSE(IsBtn::read(Bytes(size, 1))) << size;
    }
}

// The game tells the program of the user's SHIFT+B with IS_BFN.
TEST(ClientPackets, ReadTheUsersButtonFunctions) {
    for (const std::uint8_t subT : {kBfnUserClear, kBfnRequest}) {
        const auto back = IsBfn::read(IsBfn{0, subT, 0, 0, 0, 0}.bytes());
        ASSERT_TRUE(back);
        EXPECT_EQ(back->SubT, subT);
    }
    EXPECT_FALSE(IsBfn::read(Bytes(12, 0)));
}

// A click: 2 ReqI | 3 UCID | 4 ClickID | 5 Inst | 6 CFlags, through the decoder as the game sends
// it.
TEST(ClientPackets, ReadAClickOnAButton) {
    const Bytes click{2, 46, 1, 0, 203, 0x80, 9, 0};
    const auto written = IsBtc{1, 0, 203, 0x80, 9}.bytes();
    EXPECT_EQ(Bytes(written.begin(), written.end()), click);
    PacketDecoder decoder;
    const auto packet = decoder.decode(click);
    ASSERT_TRUE(packet && std::holds_alternative<IsBtc>(*packet));
    const IsBtc& back = std::get<IsBtc>(*packet);
    EXPECT_EQ(std::tuple(back.ReqI, back.UCID, back.ClickID, back.Inst, back.CFlags),
              std::tuple(1, 0, 203, 0x80, 9));
    for (const std::size_t size : {0U, 4U, 7U, 12U}) {
        EXPECT_FALSE(IsBtc::read(Bytes(size, 2))) << size;
    }
}

}  // namespace
}  // namespace rennlupe::insim10
