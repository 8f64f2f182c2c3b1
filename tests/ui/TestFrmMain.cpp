#include "MainWindowTest.h"
#include "support/underWine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace rennlupe::ui {
namespace {

// These tests speak the old generation, as the form did before there was a choice.
class OldMainWindow : public MainWindow {
protected:
    OldMainWindow() { form.cboProtocol.choose("legacy"); }
};

TEST_F(OldMainWindow, StartsIdleAndConnectNeedsTwoDifferentPorts) {
    EXPECT_EQ(status(), frmMain::kWelcome);
    EXPECT_EQ(link(), "Not connected|0 datagrams from other senders dropped");
    EXPECT_EQ(form.StatusBar.PanelAutosize(2), statusbar::ucStatusbar::kContents);
    EXPECT_EQ(form.txtSendPort.text() + " " + form.txtRecvPort.text(), "29999 29998");
    EXPECT_EQ(std::pair(form.Slider3.value(), form.Slider4.value()), std::pair(65000, 22));
    EXPECT_FALSE(form.txtSend.visible());
    EXPECT_EQ(form.Image1.picture(), folder.file("logo.jpg"));

    form.txtRecvPort.setText("50");
    form.txtRecvPort.typeText("a7");
    EXPECT_EQ(form.txtRecvPort.text(), "507");
    for (const auto& [port, enabled] :
         std::vector<std::pair<std::string, bool>>{{"", false}, {"29999", false}, {"2999", true}}) {
        form.txtRecvPort.setText(port);
        EXPECT_EQ(form.cmdConnect.enabled(), enabled) << port;
    }
    form.txtRecvPort.setText("70000");
    form.cmdConnect.click();
    EXPECT_EQ(status(),
              "Cannot connect: the receive port \"70000\" is not a number from 1 to 65535.");
}

TEST_F(OldMainWindow, CancelOrAHandshakeThatTriesThreeTimesEndsTheAttempt) {
    connect();
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Cancelled..");
    EXPECT_EQ(idOf(game.receive()), "ISC");
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");

    connect();
    const std::string connecting = "Connecting to " + gameAddress + ":29999";
    EXPECT_EQ(status(), connecting);
    for (int tick = 0; tick < 30; ++tick) {
        form.KeepAlive.tick();
        if (tick % 10 == 0) {
            const std::string attempt = std::to_string(tick / 10 + 1) + "/3";
            EXPECT_EQ(status(), connecting + " (" + attempt + ")");
            EXPECT_EQ(form.StatusBar.PanelText(2), "Connecting " + attempt);
            EXPECT_EQ(game.receive().value_or(Bytes{}).size(), 24U);  // the ISI
            EXPECT_EQ(idOf(game.receive()), "VER");
        }
    }
    EXPECT_TRUE(game.quiet());
    form.KeepAlive.tick();
    EXPECT_EQ(status(), "No response in 3 tries. InSim running? (use: /insim 29999 in LFS)");
    EXPECT_EQ(form.StatusBar.PanelText(2), "Not connected");
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");
    EXPECT_FALSE(form.KeepAlive.enabled());
    EXPECT_EQ(idOf(game.receive()), "ISC");
}

TEST_F(OldMainWindow, TheVersionReplyConnectsAndSilenceDropsTheLink) {
    connected();
    EXPECT_EQ(status(), "Connected to LFS S2 0.7F");
    EXPECT_TRUE(form.txtSend.enabled());
    EXPECT_EQ(idOf(game.receive()), "NLI");
    EXPECT_EQ(idOf(game.receive()), "SSG");
    EXPECT_EQ(form.StatusBar.PanelText(2), "Connected: S2 0.7F");
    // The game's keep-alive answer empties the message line, never the link panel.
    answer(support::staPacket({.numPlayers = 1}));
    answer(support::packetOf("ACK", 4));
    ASSERT_TRUE(support::runUntil(loop, [&] { return status().empty(); }));
    EXPECT_EQ(form.StatusBar.PanelText(2), "Connected: S2 0.7F, 1 car");
    EXPECT_EQ(idOf(game.receive()), "NPL");
    for (int tick = 0; tick < 3; ++tick) {  // under traffic every tick sends one ACK
        form.KeepAlive.tick();
        answer(support::packetOf("XYZ", 8));
        ASSERT_TRUE(support::runUntil(loop, [&] { return form.lngTimer == 0; }));
        EXPECT_EQ(idOf(game.receive()), "ACK") << tick;
    }

    // Silent from here: ACK at 0, 30, 60, 90 and 120, the drop at 121.
    std::vector<std::string> sent;
    for (int tick = 0; tick <= 121; ++tick) {
        const int before = form.lngTimer;
        form.KeepAlive.tick();
        while (!game.quiet()) {
            sent.push_back(idOf(game.receive()) + " " + std::to_string(before));
        }
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"ACK 0", "ACK 30", "ACK 60", "ACK 90", "ACK 120",
                                              "ISC 121"}));
    EXPECT_EQ(status(), "No response in 2 minutes.. InSim running?");
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");
    EXPECT_EQ(form.StatusBar.PanelText(2), "Not connected");
}

// Another sender on loopback neither connects, counts cars nor keeps the link alive.
TEST_F(OldMainWindow, AStrangersDatagramsAreDroppedAndCounted) {
    if (support::underWine()) {
        GTEST_SKIP() << "Wine does not send from a second loopback address";
    }
    connected();
    form.lngTimer = 50;
    support::UdpPeer stranger("127.0.0.2");
    answer(support::verPacket("XX", "9.9"), &stranger);
    answer(support::staPacket({.numPlayers = 99}), &stranger);
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.link.dropped() == 2; }));
    EXPECT_EQ(form.lngTimer, 50);
    EXPECT_EQ(status() + "|" + link(),
              "Connected to LFS S2 0.7F|Connected: S2 0.7F|2 datagrams from other senders dropped");
}

TEST_F(OldMainWindow, AFailedConnectWaitsInCancel) {
    // The receive port is taken: the window waits in "Cancel", and Cancel can be clicked.
    support::UdpPeer squatter;
    form.txtIP.setText(gameAddress);
    form.txtRecvPort.setText(std::to_string(squatter.address().port));
    form.cmdConnect.click();
    EXPECT_EQ(status().rfind("Could not create server socket! (", 0), 0U) << status();
    EXPECT_EQ(form.cmdConnect.caption(), "Cancel");
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Cancelled..");
    EXPECT_TRUE(game.quiet());  // the sending socket was already closed: nothing to say
}

TEST_F(OldMainWindow, UnloadWritesTheSlidersClosesTheLinkThenTheSideWindows) {
    connect();
    form.Slider3.setValue(300);
    form.fahrerinfo.lblFahrer[3].setCaption("Senna");
    std::vector<std::string> unloaded;
    for (controls::Window* window : {&form.fahrerinfo.window, &form.abstaende.window}) {
        window->Unload.connect([&unloaded, window] { unloaded.push_back(window->name()); });
    }
    const std::string ini = folder.file("rennlupe.ini");
    std::filesystem::create_directory(ini);  // there, but no file: the save fails
    EXPECT_FALSE(form.Unload());
    const std::string report = "-ERROR- frmMain_Unload() - 5: Invalid procedure call or argument";
    EXPECT_EQ(status() + "|" + errors.str(), report + "|" + report + "\n");
    EXPECT_EQ(idOf(game.receive()), "ISC");  // the link is closed all the same
    std::filesystem::remove(ini);
    EXPECT_TRUE(form.Unload());
    EXPECT_NE(support::TemporaryFolder::read(ini).find("Farbe=300"), std::string::npos);
    // Each side window unloads once and keeps its labels.
    EXPECT_EQ(unloaded, (std::vector<std::string>{"frmFahrerinfo", "frmAbstaende"}));
    EXPECT_FALSE(form.fahrerinfo.window.loaded());
    EXPECT_EQ(form.fahrerinfo.lblFahrer[3].caption(), "Senna");
}

TEST_F(OldMainWindow, ASideWindowsSliderClickSetsItsOwnOpacity) {
    form.abstaende.sldTrans.scrollTo(0);  // moving alone changes nothing; the click does
    EXPECT_TRUE(style.transparencies.empty());
    form.abstaende.sldTrans.click();
    form.fahrerinfo.Slider1.setValue(254);
    form.fahrerinfo.Slider1.click();
    form.fahrerinfo.Slider1.setEnabled(false);
    form.fahrerinfo.Slider1.click();
    EXPECT_EQ(style.transparencies,
              (std::vector<std::string>{"frmAbstaende=128", "frmFahrerinfo=254"}));
    EXPECT_EQ(status(), frmMain::kWelcome);
}

TEST_F(OldMainWindow, ADisconnectOrACloseFromInsideThePumpIsSafe) {
    connected();
    // The click waits in the loop; the pump at the end of the complete set runs it.
    loop.post([&] { form.cmdConnect.click(); });
    answer(support::mciPacket(1, 0, 100, {{.plid = 1, .node = 5, .lap = 1}}));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Connect"; }));
    EXPECT_EQ(status(), "Disconnected..");

    connected();
    bool saved = false;
    loop.post([&] { saved = form.Unload(); });
    answer(support::mciPacket(1, 0, 100, {{.plid = 1, .node = 6, .lap = 1}}));
    ASSERT_TRUE(support::runUntil(loop, [&] { return saved; }));
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");
}

TEST_F(OldMainWindow, RandomDatagramsNeverStopTheWindow) {
    connected();
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        Bytes datagram(random() % 1100);
        std::generate(datagram.begin(), datagram.end(), [&] { return std::uint8_t(random()); });
        if (i % 3 == 0 && datagram.size() >= 3) {  // known identifiers with garbage after them
            const char* ids[] = {"VER", "RST", "STA", "NPL", "MCI", "ACK"};
            std::copy_n(ids[random() % 6], 3, datagram.begin());
        }
        answer(datagram);
        if (i % 50 == 0) {
            support::pumpRounds(loop);
        }
    }
    support::pumpRounds(loop, 50);
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Disconnected..");
}

}  // namespace
}  // namespace rennlupe::ui
