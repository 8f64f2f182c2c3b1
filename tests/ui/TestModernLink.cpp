#include "MainWindowTest.h"

#include "insim10/CompCarInfo.h"
#include "insim10/IsMci.h"
#include "insim10/IsNpl.h"
#include "insim10/IsRst.h"
#include "insim10/IsSta.h"
#include "support/RecordingMessageLine.h"
#include "ui/ConnectionSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::ui {
namespace {

Bytes tiny(std::uint8_t subType, std::uint8_t reqI = 0) {
    return {1, 3, reqI, subType};
}

// IS_VER: 4 Version[8] | 12 Product[6] | 18 InSimVer
Bytes todaysVersion(std::string_view product, std::string_view version, std::uint8_t inSim) {
    Bytes ver{5, 2, 1, 0};
    ver.resize(20);
    std::copy(version.begin(), version.end(), ver.begin() + 4);
    std::copy(product.begin(), product.end(), ver.begin() + 12);
    ver[18] = inSim;
    return ver;
}

// OutGauge with ID: 8 Flags u16 | 40 DashLights u32 | 44 ShowLights u32
Bytes gauge(std::uint8_t flags, std::uint8_t dashLights, std::uint8_t showLights) {
    Bytes og(96);
    og[8] = flags;
    og[40] = dashLights;
    og[44] = showLights;
    return og;
}

// What the game received, a packet a word: "ISI44", "tiny14", "small2", or the old "VER".
std::string kindOf(const std::optional<Bytes>& d) {
    if (!d || d->size() < 4) {
        return "(none)";
    }
    if ((*d)[0] >= 'A') {
        return idOf(d);
    }
    switch ((*d)[1]) {
    case 1:
        return "ISI" + std::to_string(d->size());
    case 3:
        return "tiny" + std::to_string((*d)[3]);
    case 4:
        return "small" + std::to_string((*d)[3]);
    case 42:
        return "bfn" + std::to_string((*d)[3]);
    case 45:
        return "btn" + std::to_string((*d)[4]);
    default:
        return "type" + std::to_string((*d)[1]);
    }
}

// IS_MSO: 6 UserType | 7 TextStart | 8 Msg, "name : typed", 0-padded to a whole word
Bytes chat(std::uint8_t userType, std::string_view name, std::string_view typed) {
    Bytes mso{0, 11, 0, 0, 0, 0, userType, static_cast<std::uint8_t>(name.size())};
    mso.insert(mso.end(), name.begin(), name.end());
    mso.insert(mso.end(), typed.begin(), typed.end());
    mso.resize((mso.size() / 4 + 1) * 4);
    mso[0] = static_cast<std::uint8_t>(mso.size() / 4);
    return mso;
}

template <typename Packet>
Bytes packet(const Packet& p) {
    const auto bytes = p.bytes();
    return {bytes.begin(), bytes.end()};
}

class TodaysMainWindow : public MainWindow {
protected:
    using MainWindow::MainWindow;

    void choose(std::string_view protocol) { ASSERT_TRUE(form.cboProtocol.choose(protocol)); }
    // Ticks the timer once and gives what the game received meanwhile.
    std::vector<std::string> tick() {
        form.KeepAlive.tick();
        return received();
    }
    std::vector<std::string> received() {
        std::vector<std::string> kinds;
        while (!game.quiet()) {
            kinds.push_back(kindOf(game.receive()));
        }
        return kinds;
    }
    void connectedToday() {
        choose("modern");
        connect();
        tick();
        answer(todaysVersion("S3", "0.8A", 10));
        ASSERT_TRUE(
            support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
        received();
    }
    // Three cars seen from car 2, a set every 0.1 s: car 1 ahead pulls away at 100 nodes a
    // second to car 2's 90, car 3 behind closes in at 110. The gap lines after each set.
    std::vector<std::string> raceSeenFromTheMiddle(int sets) {
        form.cboDraw.choose("screen");  // where the recording overlay sees the texts
        insim10::IsRst rst;
        rst.NumNodes = 2000;
        rst.Finish = 1999;
        answer(packet(rst));
        for (std::uint8_t plid = 1; plid <= 3; ++plid) {
            insim10::IsNpl npl;
            npl.PLID = plid;
            npl.NumP = 3;
            answer(packet(npl));
        }
        insim10::IsSta sta;
        sta.ViewPLID = 2;
        answer(packet(sta));
        std::vector<std::string> texts;
        for (int i = 0; i < sets; ++i) {
            clock.advance(0.1);
            insim10::IsMci mci;
            mci.NumC = 3;
            const int progress[] = {1010 + 10 * i, 1000 + 9 * i, 700 + 11 * i};
            for (std::uint8_t k = 0; k < 3; ++k) {
                insim10::CompCar& car = mci.Info[k];
                car.PLID = car.Position = static_cast<std::uint8_t>(k + 1);
                car.Node = static_cast<std::uint16_t>(progress[k] % 2000);
                car.Lap = static_cast<std::uint16_t>(progress[k] / 2000);
                car.Info = k == 0 ? insim10::kCciFirst : k == 2 ? insim10::kCciLast : 0;
            }
            answer(mci.bytes());
            EXPECT_TRUE(support::runUntil(
                loop, [&] { return form.modern.model().now() == clock.monotonicSeconds(); }));
            const std::string& call =
                *std::find_if(overlay.calls.rbegin(), overlay.calls.rend(),
                              [](const std::string& c) { return c.starts_with("GPML_SetText"); });
            texts.push_back(
                call.substr(call.find('[') + 1, call.find("] 0x") - call.find('[') - 1));
        }
        return texts;
    }
};

struct TrendOffMainWindow : TodaysMainWindow {
    TrendOffMainWindow() : TodaysMainWindow("[Verbindung]\r\nTrendfarben=off\r\n") {}
};

TEST_F(TodaysMainWindow, TheHandshakeAsksForTheRaceAndKeepsTheLinkAlive) {
    choose("modern");
    connect();
    form.KeepAlive.tick();
    const auto isi = game.receive().value_or(Bytes{});
    ASSERT_EQ(isi.size(), 44U);
    const auto port = static_cast<std::uint16_t>(std::stoi(form.txtRecvPort.text()));
    // Size, Type, ReqI | UDPPort | Flags MCI and LOCAL | InSimVer 10 | Prefix '!' | Interval
    // 100 ms | IName
    EXPECT_EQ(Bytes(isi.begin(), isi.begin() + 12),
              (Bytes{11, 1, 1, 0, static_cast<std::uint8_t>(port & 0xFFU),
                     static_cast<std::uint8_t>(port >> 8U), 0x24, 0, 10, '!', 100, 0}));
    EXPECT_EQ(std::string(isi.begin() + 28, isi.begin() + 37), std::string("Rennlupe\0", 9));
    for (int i = 1; i < 10; ++i) {
        EXPECT_TRUE(tick().empty()) << i;  // today's game alone: no old handshake in between
    }

    answer(todaysVersion("S3", "0.8A", 10));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    EXPECT_EQ(status() + "|" + form.StatusBar.PanelText(2),
              "Connected to LFS S3 0.8A|Connected: S3 0.8A");
    // The requests for the race, then the settings panel's handle.
    EXPECT_EQ(received(),
              (std::vector<std::string>{"tiny14", "tiny7", "tiny19", "small2", "btn217"}));
    answer(tiny(0));  // the game's keep-alive is answered at once
    ASSERT_TRUE(support::runUntil(loop, [&] { return !game.quiet(); }));
    EXPECT_EQ(game.receive(), tiny(0));

    // Silent from here: our own keep-alive every 30 ticks, the drop after 120.
    std::vector<std::string> sent;
    for (int tick = 0; tick <= 121; ++tick) {
        const int before = form.lngTimer;
        for (const std::string& kind : this->tick()) {
            sent.push_back(kind + " " + std::to_string(before));
        }
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"tiny0 29", "tiny0 59", "tiny0 89", "tiny0 119",
                                              "bfn1 121", "tiny2 121"}));
    EXPECT_EQ(status(), "No response in 2 minutes.. InSim running?");
    EXPECT_EQ(form.cboProtocol.enabled(), true);
}

TEST_F(TodaysMainWindow, AGameOlderThanInSimNineIsToldAndLeftCleanly) {
    choose("modern");
    connect();
    tick();
    answer(todaysVersion("S2", "0.6B", 8));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Connect"; }));
    EXPECT_EQ(status(),
              "The game speaks InSim version 8; Rennlupe needs version 9 or newer (LFS 0.7 or "
              "later).");
    EXPECT_EQ(received(), (std::vector<std::string>{"tiny2"}));
    EXPECT_FALSE(form.KeepAlive.enabled());
}

// auto: today's try, two ticks later the old one; the first answer decides until Disconnect.
TEST_F(TodaysMainWindow, AutoFallsBackToTheOldGenerationAndClosesWhatItTried) {
    using Kinds = std::vector<std::string>;
    for (const auto& [answerWith, connectedAs, closing] :
         std::vector<std::tuple<Bytes, std::string, Kinds>>{
             {todaysVersion("S3", "0.8A", 9), "S3 0.8A", {"bfn1", "tiny2"}},
             {support::verPacket("S2", "0.7F"), "S2 0.7F", {"ISC"}}}) {
        choose("auto");
        connect();
        EXPECT_EQ(tick(), Kinds{"ISI44"});
        EXPECT_EQ(tick(), Kinds{});
        EXPECT_EQ(tick(), (Kinds{"ISI", "VER"}));
        answer(answerWith);
        ASSERT_TRUE(
            support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
        EXPECT_EQ(status(), "Connected to LFS " + connectedAs);
        received();
        form.cmdConnect.click();
        EXPECT_EQ(received(), closing) << connectedAs;
    }
    // Cancelled while undecided: both generations are told.
    connect();
    tick();
    tick();
    tick();
    form.cmdConnect.click();
    EXPECT_EQ(received(), (Kinds{"tiny2", "ISC"}));
}

TEST_F(TodaysMainWindow, TheShiftPictureFollowsTheGaugesShiftLightOnly) {
    form.cboDraw.choose("screen");
    connectedToday();
    for (const auto& [flags, dash, show, shown] : std::vector<std::tuple<int, int, int, int>>{
             {0, 1, 1, 1}, {0, 1, 0, 0}, {1, 1, 0, 0}, {0, 0, 1, 0}, {0, 3, 3, 1}}) {
        overlay.calls.clear();
        answer(gauge(static_cast<std::uint8_t>(flags), static_cast<std::uint8_t>(dash),
                     static_cast<std::uint8_t>(show)));
        ASSERT_TRUE(support::runUntil(loop, [&] { return !overlay.calls.empty(); }));
        EXPECT_EQ(overlay.calls.back().rfind(
                      std::string("GPPIC_ShowPicturePos ") + (shown != 0 ? "-1" : "0"), 0),
                  0U)
            << flags << dash << show << " " << overlay.calls.back();
    }
}

// Datagrams of any length, a third with a header whose Size agrees: the link stays up and
// still follows the game.
TEST_F(TodaysMainWindow, RandomDatagramsNeverStopTheLink) {
    form.cboDraw.choose("both");
    connectedToday();
    std::mt19937 random(5);
    for (int i = 0; i < 2000; ++i) {
        Bytes datagram(i % 3 == 0 ? 4 * (1 + random() % 120) : random() % 1100);
        std::generate(datagram.begin(), datagram.end(), [&] { return std::uint8_t(random()); });
        if (i % 3 == 0) {
            datagram[0] = static_cast<std::uint8_t>(datagram.size() / 4);
            datagram[1] = static_cast<std::uint8_t>(random() % 70);
        }
        answer(datagram);
        if (i % 50 == 0) {
            support::pumpRounds(loop);
        }
    }
    support::pumpRounds(loop, 50);
    overlay.calls.clear();
    answer(gauge(0, 1, 1));
    ASSERT_TRUE(support::runUntil(loop, [&] { return !overlay.calls.empty(); }));
    EXPECT_EQ(overlay.calls.back().rfind("GPPIC_ShowPicturePos -1", 0), 0U);
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Disconnected..");
}

// The text block and the picture as the game's own buttons, at the sliders' place on a
// 1920 x 1080 game screen mapped onto its 200 x 200 grid.
TEST_F(TodaysMainWindow, TheLinesAreTheGamesButtonsSentOnlyWhenTheyChange) {
    connectedToday();
    form.Slider1.setValue(960);
    form.Slider2.setValue(540);
    form.Slider4.setValue(22);
    const auto sent = [&](std::string_view text) {
        form.form1.TextInDX(text);
        return received();
    };
    form.form1.TextInDX("V - 00:01:234\rH - 00:00:567");
    const auto first = game.receive().value_or(Bytes{});
    // Size 7 | Type 45 | ReqI 1 | UCID 0 | ClickID 200 | Inst 0 | DARK, LEFT | TypeIn 0 |
    // L 100 | T 100 | W 19 | H 4 | the text in the slider's nearest colour, yellow
    Bytes expected{7, 45, 1, 0, 200, 0, 0x60, 0, 100, 100, 19, 4};
    for (const char c : std::string_view("^3V - 00:01:234\0", 16)) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    EXPECT_EQ(first, expected);
    const auto second = game.receive().value_or(Bytes{});
    EXPECT_EQ(Bytes(second.begin() + 4, second.begin() + 12),
              (Bytes{201, 0, 0x60, 0, 100, 104, 19, 4}));
    EXPECT_TRUE(sent("V - 00:01:234\rH - 00:00:567").empty());
    // New text within a tenth of a second waits; after it, the text alone goes: W and H 0.
    EXPECT_TRUE(sent("V - 00:01:240\rH - 00:00:567").empty());
    clock.advance(2 * GameButtonsOverlay::kTextPause);
    form.form1.TextInDX("V - 00:01:240\rH - 00:00:567");
    const auto update = game.receive().value_or(Bytes{});
    EXPECT_EQ(Bytes(update.begin() + 4, update.begin() + 12),
              (Bytes{200, 0, 0x60, 0, 100, 100, 0, 0}));
    EXPECT_TRUE(game.quiet());
    form.Slider2.setValue(0);
    EXPECT_EQ(sent("V - 00:01:240\rH - 00:00:567"), (std::vector<std::string>{"btn200", "btn201"}));
    EXPECT_EQ(sent("V - 00:01:240"), std::vector<std::string>{"bfn0"});  // H's button deleted

    form.form1.GrafikInDXZeigen("schalten.jpg");
    EXPECT_EQ(received(), std::vector<std::string>{"btn202"});
    form.form1.GrafikInDXVerbergen("schalten.jpg");
    EXPECT_EQ(received(), std::vector<std::string>{"bfn0"});

    // SHIFT+B in the game: nothing until the user asks for the buttons again.
    answer({2, 42, 0, 2, 0, 0, 0, 0});
    support::pumpRounds(loop, 20);
    EXPECT_TRUE(sent("V - 00:02:000\rH - 00:00:100").empty());
    answer({2, 42, 0, 3, 0, 0, 0, 0});
    support::pumpRounds(loop, 20);
    EXPECT_EQ(received(), (std::vector<std::string>{"btn200", "btn201", "btn217"}));
    form.cmdConnect.click();
    EXPECT_EQ(received(), (std::vector<std::string>{"bfn1", "tiny2"}));
}

// "!rl" in the game's chat opens the panel; a click moves a slider, the lines at once, and
// saves the sliders in the file.
TEST_F(TodaysMainWindow, ThePanelInTheGameMovesTheLinesAndSavesThem) {
    connectedToday();
    form.Slider1.setValue(500);
    const auto next = [&] {
        EXPECT_TRUE(support::runUntil(loop, [&] { return !game.quiet(); }));
        support::pumpRounds(loop, 20);
        return received();
    };
    insim10::IsNpl npl;
    npl.PLID = 1;
    npl.NumP = 1;
    answer(packet(npl));
    insim10::IsSta sta;
    sta.ViewPLID = 1;
    answer(packet(sta));
    EXPECT_EQ(next(), (std::vector<std::string>{"btn200", "btn201"}));
    answer(chat(1, "Anna : ", "!rl"));  // not the prefix: the game would not send it so
    answer(chat(2, "^7Anna ^7: ", "^8!RL"));
    std::vector<std::string> panel{"bfn0"};  // the handle goes
    for (int id = 203; id <= 216; ++id) {
        panel.push_back("btn" + std::to_string(id));
    }
    EXPECT_EQ(next(), panel);
    answer({2, 46, 1, 0, 206, 0, 1, 0});  // "Text >"
    EXPECT_EQ(next(), (std::vector<std::string>{"btn200", "btn201"}));
    EXPECT_EQ(form.Slider1.value(), 510);
    EXPECT_NE(support::TemporaryFolder::read(folder.file("rennlupe.ini")).find("X position=510"),
              std::string::npos);

    answer({2, 42, 0, 2, 0, 0, 0, 0});  // SHIFT+B, then back: the open panel returns
    answer({2, 42, 0, 3, 0, 0, 0, 0});
    const auto back = next();
    EXPECT_EQ(std::vector<std::string>(back.begin() + 2, back.end()),
              std::vector<std::string>(panel.begin() + 1, panel.end()));
    answer({2, 46, 1, 0, 209, 0, 1, 0});  // "Shift <": the indicator shows while the panel is open
    EXPECT_EQ(next(), std::vector<std::string>{"btn202"});
    answer({2, 46, 1, 0, 204, 0, 1, 0});  // "X": the panel's buttons, the handle, the indicator
    EXPECT_EQ(next(), (std::vector<std::string>{"bfn0", "btn217", "bfn0"}));
    answer({2, 46, 1, 0, 217, 0, 1, 0});  // the handle opens the panel again
    EXPECT_EQ(next(), panel);
}

TEST_F(TodaysMainWindow, TheOldGenerationNeverSendsAButton) {
    choose("legacy");
    connect();
    tick();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    received();
    form.form1.TextInDX("V - 00:01:234\rH - 00:00:567");
    form.form1.GrafikInDXZeigen("schalten.jpg");
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(overlay.calls.back().rfind("GPPIC_ShowPicturePos -1", 0), 0U);  // on the screen
}

// After set i, V is 0.1 + 0.01 i s (known from i = 2), H (300 - 2 i) / 90 s (from i = 28).
TEST_F(TodaysMainWindow, AGapThatGrowsShowsRedAndOneThatShrinksGreenAfterTenSeconds) {
    connectedToday();
    const std::vector<std::string> texts = raceSeenFromTheMiddle(140);
    for (std::size_t i = 0; i < 100; ++i) {
        ASSERT_EQ(texts[i].find('^'), std::string::npos) << i << " " << texts[i];
    }
    EXPECT_EQ(texts[120], "^1V - 00:01:300\rH - 00:00:667");
    EXPECT_EQ(texts[139], "^1V - 00:01:490\r^2H - 00:00:244");
}

TEST_F(TrendOffMainWindow, TheSettingsFileTurnsTheColoursOff) {
    connectedToday();
    const std::vector<std::string> texts = raceSeenFromTheMiddle(140);
    EXPECT_EQ(texts[139], "V - 00:01:490\rH - 00:00:244");
    for (const std::string& text : texts) {
        ASSERT_EQ(text.find('^'), std::string::npos) << text;
    }
}

TEST(ConnectionSettingsFile, ReadsTheSectionAndCorrectsWhatItCannotRead) {
    const support::TemporaryFolder folder;
    const std::string file = folder.file("rennlupe.ini");
    support::FailingFiles files;
    settings::modEinstellungenSpeichern settings(files);
    support::RecordingMessageLine line;
    std::ostringstream errors;
    ConnectionSettings connection(settings, file);
    const auto values = [&] {
        const auto v = connection.load(line);
        return std::make_tuple(std::string(nameOf(v.protocol)), v.gamePort, v.intervalMs,
                               std::string(nameOf(v.trend)));
    };
    EXPECT_EQ(values(), std::make_tuple("auto", 29999, 100, "auto"));  // no file
    ConnectionSettings::Values stored;
    stored.protocol = Protocol::Modern;
    stored.gamePort = 30001;
    stored.intervalMs = 20;
    stored.draw = Draw::Both;
    stored.clickBase = 10;
    stored.gameScreen = {2560, 1440};
    stored.trend = TrendColours::Off;
    EXPECT_TRUE(connection.save(stored, line, errors));
    EXPECT_EQ(values(), std::make_tuple("modern", 30001, 20, "off"));
    const auto back = connection.load(line);
    EXPECT_EQ(std::tuple(nameOf(back.draw), back.clickBase, back.gameScreen.text()),
              std::tuple("both", 10, "2560x1440"));
    EXPECT_TRUE(line.messages().empty());
    support::TemporaryFolder::write(
        file,
        "[Positionen]\r\nFarbe=3\r\n[Verbindung]\r\nProtokoll=binary\r\nSpielport=0\r\n"
        "Intervall=5\r\nZeichnen=everywhere\r\nClickID=238\r\nSpielbildschirm=99x99\r\n"
        "Trendfarben=an\r\n");
    EXPECT_EQ(values(), std::make_tuple("auto", 29999, 100, "auto"));
    EXPECT_EQ(line.messages().back(),
              "Settings: invalid values corrected (Protokoll, Spielport, Intervall, Zeichnen, "
              "ClickID, Spielbildschirm, Trendfarben)");
    ConnectionSettings::Values legacy;
    legacy.protocol = Protocol::Legacy;
    legacy.trend = TrendColours::On;
    EXPECT_TRUE(connection.save(legacy, line, errors));
    EXPECT_EQ(support::TemporaryFolder::read(file),
              "[Positionen]\r\nFarbe=3\r\n[Verbindung]\r\nProtokoll=legacy\r\nSpielport=29999\r\n"
              "Intervall=100\r\nZeichnen=auto\r\nClickID=200\r\nSpielbildschirm=1920x1080\r\n"
              "Trendfarben=on\r\n");
}

}  // namespace
}  // namespace rennlupe::ui
