#include "ui/frmMain.h"

#include "platform/eventloop/PollLoop.h"
#include "support/FailingFiles.h"
#include "support/gameLoopbackAddress.h"
#include "support/makePackets.h"
#include "support/ManualClock.h"
#include "support/RecordingOverlayLibrary.h"
#include "support/RecordingStatusWindow.h"
#include "support/RecordingWindowStyle.h"
#include "support/runUntil.h"
#include "support/TemporaryFolder.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace rennlupe::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string idOf(const std::optional<Bytes>& datagram) {
    return datagram && datagram->size() >= 3 ? std::string(datagram->begin(), datagram->begin() + 3)
                                             : std::string("(none)");
}

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        files.placeExecutable(folder.file("rennlupe"));
        form.KeepAlive.setInterval(3600 * 1000);  // the tests tick it themselves
        form.Load();
    }

    // A free port of the kernel's choice for the program's receive socket.
    static std::string freePort() {
        support::UdpPeer probe;
        return std::to_string(probe.address().port);
    }

    // Connect against the stand-in peer on 29999 of a loopback address of our own.
    void connect() {
        form.txtIP.setText(gameAddress);
        form.txtRecvPort.setText(freePort());
        form.cmdConnect.click();
        ASSERT_EQ(form.cmdConnect.caption(), "Cancel") << status();
    }

    void answer(const Bytes& datagram) {
        game.sendTo({game.address().address, receivePort()}, datagram);
    }
    std::uint16_t receivePort() const {
        return static_cast<std::uint16_t>(std::stoi(form.txtRecvPort.text()));
    }
    std::string status() const { return form.StatusBar.PanelText(1); }

    support::TemporaryFolder folder;
    support::FailingFiles files;
    platform::PollLoop loop;
    support::RecordingStatusWindow statusWindow;
    support::RecordingOverlayLibrary overlay;
    support::ManualClock clock{30000.0};
    support::RecordingWindowStyle style;
    std::ostringstream errors;
    std::string gameAddress = support::gameLoopbackAddress();
    support::UdpPeer game{gameAddress, 29999};
    frmMain form{{loop, statusWindow, overlay, files, clock, style, errors}};
};

TEST_F(MainWindow, StartsIdleWithTheWelcomeText) {
    EXPECT_EQ(status(), frmMain::kWelcome);
    EXPECT_EQ(form.txtSendPort.text(), "29999");
    EXPECT_EQ(form.txtRecvPort.text(), "50");
    EXPECT_TRUE(form.cmdConnect.enabled());
    EXPECT_FALSE(form.txtSend.visible());
    EXPECT_FALSE(form.cmdStartRaceTracker.visible());
    EXPECT_FALSE(form.Check1.visible());
    EXPECT_TRUE(form.Check1.ticked());
    EXPECT_EQ(form.fahrerinfo.lbllapcounter[19].caption(), "1");
    EXPECT_EQ(form.fahrerinfo.lblZeitzahl[0].caption(), "200000");
    EXPECT_EQ(form.fahrerinfo.lblFahrer[3].caption(), "");
    EXPECT_EQ(style.flattened,
              (std::vector<std::string>{"cmdConnect", "txtSendPort", "txtRecvPort", "txtPassword",
                                        "txtIP", "txtSend", "cmdSend", "cmdStartRaceTracker"}));
    EXPECT_EQ(form.Image1.picture(), folder.file("logo.jpg"));
}

TEST_F(MainWindow, PortBoxesTakeDigitsAndConnectNeedsTwoDifferentPorts) {
    form.txtRecvPort.typeText("a7");
    EXPECT_EQ(form.txtRecvPort.text(), "507");
    form.txtRecvPort.typeKey(controls::TextBox::kBackspace);
    EXPECT_EQ(form.txtRecvPort.text(), "50");
    form.txtRecvPort.setText("");
    EXPECT_FALSE(form.cmdConnect.enabled());
    form.txtRecvPort.setText("29999");
    EXPECT_FALSE(form.cmdConnect.enabled());
    form.txtRecvPort.setText("2999");
    EXPECT_TRUE(form.cmdConnect.enabled());
}

TEST_F(MainWindow, HandshakeTriesThreeTimesThenGivesUp) {
    connect();
    EXPECT_EQ(status(), "Connecting to localhost:29999");
    for (int tick = 0; tick < 30; ++tick) {
        form.KeepAlive.tick();
        if (tick % 10 == 0) {
            EXPECT_EQ(status(),
                      "Connecting to localhost:29999 (" + std::to_string(tick / 10 + 1) + "/3)");
            const auto isi = game.receive();
            ASSERT_EQ(idOf(isi), "ISI");
            EXPECT_EQ(isi->size(), 24U);
            EXPECT_EQ(idOf(game.receive()), "VER");
        }
    }
    EXPECT_TRUE(game.quiet());
    form.KeepAlive.tick();
    EXPECT_EQ(status(), "No response in 3 tries. InSim running? (use: /insim 29999 in LFS)");
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");
    EXPECT_FALSE(form.KeepAlive.enabled());
    EXPECT_TRUE(form.txtRecvPort.enabled());
    EXPECT_EQ(idOf(game.receive()), "ISC");
    form.KeepAlive.tick();  // the timer stopped itself: its tick does nothing more
    EXPECT_TRUE(game.quiet());
    EXPECT_EQ(status(), "No response in 3 tries. InSim running? (use: /insim 29999 in LFS)");
}

TEST_F(MainWindow, UnderTrafficEveryTickSendsOneAck) {
    connect();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    (void)game.receive();
    (void)game.receive();
    for (int tick = 0; tick < 4; ++tick) {
        form.KeepAlive.tick();  // lngTimer 1 after the tick...
        answer(support::packetOf("XYZ", 8));
        ASSERT_TRUE(support::runUntil(loop, [&] { return form.lngTimer == 0; }));  // ...0 again
        EXPECT_EQ(idOf(game.receive()), "ACK") << tick;
    }
    EXPECT_TRUE(game.quiet());
}

TEST_F(MainWindow, TheVersionReplyConnectsAndSilenceDropsTheLink) {
    connect();
    form.KeepAlive.tick();
    (void)game.receive();
    (void)game.receive();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    EXPECT_EQ(status(), "Connected to LFS S2 0.7F");
    EXPECT_TRUE(form.txtSend.enabled());
    EXPECT_EQ(idOf(game.receive()), "NLI");
    EXPECT_EQ(idOf(game.receive()), "SSG");

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
}

TEST_F(MainWindow, EveryDatagramRestartsTheCount) {
    connect();
    form.KeepAlive.tick();
    form.KeepAlive.tick();
    answer(support::packetOf("ACK", 4));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.lngTimer == 0; }));
    EXPECT_EQ(status(), "");
}

TEST_F(MainWindow, CancelAndTheFailedConnectAndItsWayOut) {
    connect();
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Cancelled..");
    EXPECT_EQ(idOf(game.receive()), "ISC");
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");

    // The receive port is taken: the window waits in "Cancel", and Cancel can be clicked.
    support::UdpPeer squatter;
    form.txtIP.setText(gameAddress);
    form.txtRecvPort.setText(std::to_string(squatter.address().port));
    form.cmdConnect.click();
    EXPECT_EQ(status().rfind("Could not create server socket! (", 0), 0U) << status();
    EXPECT_EQ(form.cmdConnect.caption(), "Cancel");
    EXPECT_TRUE(form.cmdConnect.enabled());
    EXPECT_FALSE(form.KeepAlive.enabled());
    form.cmdConnect.click();
    EXPECT_EQ(status(), "Cancelled..");
    EXPECT_TRUE(game.quiet());  // the sending socket was already closed: nothing to say
}

TEST_F(MainWindow, RefusesAReceivePortThatIsNone) {
    form.txtRecvPort.setText("70000");
    form.cmdConnect.click();
    EXPECT_EQ(status(),
              "Cannot connect: the receive port \"70000\" is not a number from 1 to 65535.");
}

TEST_F(MainWindow, ChatSendsOnEnterOnlyWhatWasTyped) {
    connect();
    form.txtSend.setEnabled(true);
    form.txtSend.typeKey(controls::TextBox::kEnter);
    EXPECT_TRUE(game.quiet());
    form.txtSend.typeText("hi");
    form.txtSend.typeKey(controls::TextBox::kEnter);
    const auto mst = game.receive();
    ASSERT_EQ(idOf(mst), "MST");
    EXPECT_EQ(mst->size(), 68U);
    EXPECT_EQ(form.txtSend.text(), "");
}

TEST_F(MainWindow, UnloadWritesTheSlidersClosesTheLinkThenTheSideWindows) {
    connect();
    form.Slider3.setValue(300);
    std::vector<std::string> unloaded;
    for (controls::Window* window : {&form.fahrerinfo.window, &form.abstaende.window}) {
        window->Unload.connect([&unloaded, window] { unloaded.push_back(window->name()); });
    }
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(idOf(game.receive()), "ISC");
    EXPECT_EQ(unloaded, (std::vector<std::string>{"frmFahrerinfo", "frmAbstaende"}));
    const std::string ini = support::TemporaryFolder::read(folder.file("rennlupe.ini"));
    EXPECT_NE(ini.find("[Positionen]"), std::string::npos);
    EXPECT_NE(ini.find("Farbe=300"), std::string::npos);
}

TEST_F(MainWindow, AFailedSaveAtUnloadIsToldOnTheErrorStreamToo) {
    connect();
    std::filesystem::create_directory(folder.path() / "rennlupe.ini");  // there, but no file
    EXPECT_FALSE(form.Unload());
    const std::string report = "-ERROR- frmMain_Unload() - 5: Invalid procedure call or argument";
    EXPECT_EQ(status(), report);
    EXPECT_EQ(errors.str(), report + "\n");
    EXPECT_EQ(idOf(game.receive()), "ISC");  // the link is closed all the same
}

TEST_F(MainWindow, SliderPreviewShowsAndHidesTheShiftPicture) {
    form.Slider5.scrollTo(40);
    ASSERT_FALSE(overlay.calls.empty());
    const std::size_t shown = overlay.calls.size();
    form.Slider5.validate();
    EXPECT_GT(overlay.calls.size(), shown);
}

TEST_F(MainWindow, ADisconnectOrACloseFromInsideThePumpIsSafe) {
    connect();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    // The click waits in the loop; the pump at the end of the complete set runs it.
    loop.post([&] { form.cmdConnect.click(); });
    answer(support::mciPacket(1, 0, 100, {{.plid = 1, .node = 5, .lap = 1}}));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Connect"; }));
    EXPECT_EQ(status(), "Disconnected..");
    EXPECT_EQ(form.lngServerSocket, 0);

    connect();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    bool saved = false;
    loop.post([&] { saved = form.Unload(); });
    answer(support::mciPacket(1, 0, 100, {{.plid = 1, .node = 6, .lap = 1}}));
    ASSERT_TRUE(support::runUntil(loop, [&] { return saved; }));
    EXPECT_EQ(form.cmdConnect.caption(), "Connect");
}

TEST_F(MainWindow, RandomDatagramsNeverStopTheWindow) {
    connect();
    answer(support::verPacket("S2", "0.7F"));
    ASSERT_TRUE(support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        Bytes datagram(random() % 1100);
        for (auto& byte : datagram) {
            byte = static_cast<std::uint8_t>(random());
        }
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
