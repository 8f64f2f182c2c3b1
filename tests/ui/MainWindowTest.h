#pragma once

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

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::ui {

using Bytes = std::vector<std::uint8_t>;

inline std::string idOf(const std::optional<Bytes>& d) {
    return d && d->size() >= 3 ? std::string(d->begin(), d->begin() + 3) : "(none)";
}

// The main window against a stand-in game on 29999 of a loopback address of the test's own.
class MainWindow : public ::testing::Test {
protected:
    // `settings` is the settings file's text as the window finds it, when it is not empty.
    explicit MainWindow(std::string_view settings = {}) {
        files.placeExecutable(folder.file("rennlupe"));
        if (!settings.empty()) {
            support::TemporaryFolder::write(folder.file("rennlupe.ini"), std::string(settings));
        }
        form.KeepAlive.setInterval(3600 * 1000);  // the tests tick it themselves
        form.Load();
    }

    // Connect against the stand-in peer on 29999 of a loopback address of our own.
    void connect() {
        form.txtIP.setText(gameAddress);
        form.txtRecvPort.setText(std::to_string(support::UdpPeer().address().port));  // free
        form.cmdConnect.click();
        ASSERT_EQ(form.cmdConnect.caption(), "Cancel") << status();
    }

    // Connect and have the game answer the version request.
    void connected() {
        connect();
        answer(support::verPacket("S2", "0.7F"));
        ASSERT_TRUE(
            support::runUntil(loop, [&] { return form.cmdConnect.caption() == "Disconnect"; }));
    }
    void answer(const Bytes& datagram, support::UdpPeer* from = nullptr) {
        const auto port = static_cast<std::uint16_t>(std::stoi(form.txtRecvPort.text()));
        (from != nullptr ? *from : game).sendTo({game.address().address, port}, datagram);
    }
    std::string status() const { return form.StatusBar.PanelText(1); }
    // The link panel's text and tip.
    std::string link() const {
        return form.StatusBar.PanelText(2) + "|" + form.StatusBar.PanelTipText(2);
    }

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

}  // namespace rennlupe::ui
