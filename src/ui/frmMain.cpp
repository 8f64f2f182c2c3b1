#include "ui/frmMain.h"

#include "bits/Error.h"
#include "bits/guardHandler.h"
#include "bits/textToNumber.h"
#include "insim/senders/SendISI.h"
#include "insim/senders/SendMST.h"
#include "insim/senders/SendShortPacket.h"
#include "platform/files/programPaths.h"
#include "platform/sockets/socket.h"
#include "ui/sliderDefaults.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace rennlupe::ui {

namespace {

constexpr std::string_view kShiftPicture = "schalten.jpg";
constexpr std::string_view kLogo = "logo.jpg";
constexpr std::int32_t kWinsockAccessDenied = 10013;
constexpr std::int32_t kFirstOrdinaryPort = 1024;
constexpr int kTries = 3;
// In auto, the old generation's try follows today's when no answer came in this many ticks.
constexpr int kFallbackTicks = 2;
constexpr int kKeepAliveTicks = 30;  // the game closes a link that is silent for 70 s

// A whole port number from 1 to 65535, or 0 when the text is none.
std::int32_t portOf(std::string_view text) {
    return static_cast<std::int32_t>(bits::readNumber(text, {.low = 1, .high = 65535}).value_or(0));
}

// Keys other than Backspace and the digits are discarded.
void DigitsOnly(int& KeyAscii) {
    if (KeyAscii != controls::TextBox::kBackspace && (KeyAscii < '0' || KeyAscii > '9')) {
        KeyAscii = 0;
    }
}

}  // namespace

frmMain::frmMain(Parts parts)
    : StatusBar(parts.statusWindow),
      fahrerinfo(parts.windowStyle, StatusBar),
      abstaende(parts.windowStyle, StatusBar),
      InSimSocket(parts.loop, StatusBar, net::okSocket::kUdp),
      modern({InSimSocket,
              lngClientSocket,
              form1,
              parts.clock,
              {std::ref(Slider1), std::ref(Slider2), std::ref(Slider3), std::ref(Slider4),
               std::ref(Slider5), std::ref(Slider6)}}),
      drawing(parts.overlayLibrary, modern.buttons()),
      form1(drawing, parts.files, {Slider1, Slider2, Slider3, Slider4, Slider5, Slider6},
            StatusBar),
      settingsFile(parts.files),
      m_parts(parts),
      m_host(std::make_unique<MainDispatchHost>(*this)),
      m_dispatcher(std::make_unique<insim::PacketDispatcher>(race, *m_host, parts.clock)),
      m_sliderSettings(settingsFile, {std::ref(Slider1), std::ref(Slider2), std::ref(Slider3),
                                      std::ref(Slider4), std::ref(Slider5), std::ref(Slider6)}),
      m_connectionSettings(settingsFile) {
    txtSend.setEnabled(false);
    cmdSend.setEnabled(false);
    for (controls::Control* hidden : std::initializer_list<controls::Control*>{
             &txtSend, &cmdStartRaceTracker, &Check1, &Frame3, &lblGezeigterFahrer, &lblMeineID,
             &lblLap, &lblStreckennodes, &Label3, &Label5, &Frame5, &List1}) {
        hidden->setVisible(false);
    }
    wireHandlers();
    modern.slidersChanged = [this] { m_sliderSettings.save(StatusBar, m_parts.errors); };
    m_timers.push_back(std::make_unique<TimerBinding>(KeepAlive, parts.loop, StatusBar));
    m_timers.push_back(std::make_unique<TimerBinding>(form1.tmrScreenSize, parts.loop, StatusBar));
}

frmMain::~frmMain() = default;

template <typename Handler>
void frmMain::guarded(std::string_view name, Handler&& handler) {
    bits::guardHandler(StatusBar, name, std::forward<Handler>(handler));
}

void frmMain::wireHandlers() {
    cmdConnect.Click.connect(
        [this] { guarded("cmdConnect_Click", [this] { cmdConnect_Click(); }); });
    cboDraw.Click.connect([this] { guarded("cboDraw_Click", [this] { updateDrawing(); }); });
    KeepAlive.Tick.connect([this] { guarded("KeepAlive_Timer", [this] { KeepAlive_Timer(); }); });
    InSimSocket.ReceivedBytes = [this](std::int32_t socket, std::span<const std::uint8_t> data,
                                       std::int32_t length) {
        guarded("InSimSocket_ReceivedBytes",
                [&] { InSimSocket_ReceivedBytes(socket, data, length); });
    };
    for (controls::TextBox* port : {&txtSendPort, &txtRecvPort}) {
        port->KeyPress.connect([this, port](int& key) {
            guarded(port->name() + "_KeyPress", [&key] { DigitsOnly(key); });
        });
        port->Change.connect(
            [this, port] { guarded(port->name() + "_Change", [this, port] { portRule(*port); }); });
    }
    txtSend.KeyPress.connect([this](int& key) {
        guarded("txtSend_KeyPress", [this, &key] {
            if (key == controls::TextBox::kEnter) {
                key = 0;
                chatSend();
            }
        });
    });
    cmdSend.Click.connect([this] { guarded("cmdSend_Click", [this] { chatSend(); }); });
    cmdStartRaceTracker.Click.connect([this] {
        guarded("cmdStartRaceTracker_Click", [this] {
            SendShortPacket("NLI", 10, 0, 0);
            SendShortPacket("SSG", 10, 0, 0);
        });
    });
    for (controls::Slider* slider : {&Slider5, &Slider6}) {
        slider->Scroll.connect([this, slider] {
            guarded(slider->name() + "_Scroll", [this] { form1.GrafikInDXZeigen(kShiftPicture); });
        });
        slider->Validate.connect([this, slider](bool&) {
            guarded(slider->name() + "_Validate",
                    [this] { form1.GrafikInDXVerbergen(kShiftPicture); });
        });
    }
}

void frmMain::Load() {
    guarded("frmMain_Load", [this] {
        auto windowFont = std::make_shared<statusbar::FontObject>();
        windowFont->setName(std::string(kFontName));
        windowFont->setSize(kFontSize);
        StatusBar.Load(std::move(windowFont));  // the status bar draws in the window's font
        Neustart();
        for (controls::Control* control : std::initializer_list<controls::Control*>{
                 &cmdConnect, &txtSendPort, &txtRecvPort, &txtPassword, &txtIP, &txtSend, &cmdSend,
                 &cmdStartRaceTracker}) {
            m_parts.windowStyle.MakeFlat(*control);
        }
        StatusBar.Initialize(false, true);
        StatusBar.AddPanel(0, 100, 0, statusbar::ucStatusbar::kSpring, std::string(kWelcome));
        link.add();
        std::int32_t screenWidth = 0;
        std::int32_t screenHeight = 0;
        try {
            m_parts.overlayLibrary.GPSI_GetScreenSize(screenWidth, screenHeight);
        } catch (const bits::Error&) {  // no overlay: the defaults' own screen size
        }
        m_sliderSettings.load(StatusBar, sliderDefaults(screenWidth, screenHeight));
        const ConnectionSettings::Values connection = m_connectionSettings.load(StatusBar);
        cboProtocol.choose(nameOf(connection.protocol));
        txtSendPort.setText(std::to_string(connection.gamePort));
        m_intervalMs = connection.intervalMs;
        cboDraw.choose(nameOf(connection.draw));
        m_buttonOptions = {static_cast<std::uint8_t>(connection.clickBase),
                           connection.gameScreen.width, connection.gameScreen.height,
                           m_parts.buttonLines};
        modern.buttons().setOptions(m_buttonOptions);
        updateDrawing();
        m_trend = connection.trend;
        Image1.setPicture(platform::besideExecutable(m_parts.files, kLogo));
    });
}

void frmMain::LoadWith(const StartOptions& options) {
    KeepAlive.setInterval(options.keepAliveMs);
    Load();
    if (options.host) {
        txtIP.setText(*options.host);
    }
    if (options.recvPort) {
        txtRecvPort.setText(*options.recvPort);
    }
    if (options.password) {
        txtPassword.setText(*options.password);
    }
    if (options.gamePort) {
        txtSendPort.setText(*options.gamePort);
    }
    if (options.protocol) {
        cboProtocol.choose(*options.protocol);
    }
    if (options.draw) {
        cboDraw.choose(*options.draw);
    }
    if (options.buttonBase) {
        m_buttonOptions.clickBase = static_cast<std::uint8_t>(*options.buttonBase);
    }
    if (const auto screen = GameScreen::named(options.gameScreen.value_or(""))) {
        m_buttonOptions.screenWidth = screen->width;
        m_buttonOptions.screenHeight = screen->height;
    }
    modern.buttons().setOptions(m_buttonOptions);
    if (options.trend) {
        m_trend = trendColoursNamed(*options.trend).value_or(m_trend);
    }
}

void frmMain::connectAsAsked(const StartOptions& options) {
    if (!options.connect) {
        return;
    }
    if (cmdConnect.enabled()) {
        cmdConnect.click();
        return;
    }
    const std::string reason =
        txtSendPort.text().empty() ? std::string("the send port is empty")
        : txtRecvPort.text().empty()
            ? std::string("the receive port is empty")
            : "the receive port \"" + txtRecvPort.text() + "\" is the same as the send port";
    StatusBar.show("Cannot connect: " + reason + ".");
}

bool frmMain::Unload() {
    bool saved = false;
    guarded("frmMain_Unload", [this, &saved] {
        saved = m_sliderSettings.save(StatusBar, m_parts.errors);
        const ConnectionSettings::Values connection{
            chosenProtocol(),
            portOf(txtSendPort.text()),
            m_intervalMs,
            chosenDraw(),
            m_buttonOptions.clickBase,
            {m_buttonOptions.screenWidth, m_buttonOptions.screenHeight},
            m_trend};
        // A file that took no slider is not tried again, so its failure is told once; an
        // empty send-port box keeps what is stored.
        if (saved && connection.gamePort != 0) {
            saved = m_connectionSettings.save(connection, StatusBar, m_parts.errors);
        }
        CloseDown();
        KeepAlive.setEnabled(false);
        fahrerinfo.window.unload();
        abstaende.window.unload();
    });
    return saved;
}

void frmMain::Neustart() {
    for (std::size_t i = 0; i < frmFahrerinfo::kRows; ++i) {
        fahrerinfo.lblFahrer[i].setCaption("");
        fahrerinfo.lblSP1[i].setCaption("");
        fahrerinfo.lblSp2[i].setCaption("");
        fahrerinfo.lblSP3[i].setCaption("");
        fahrerinfo.lblLap[i].setCaption("");
        fahrerinfo.lbllapcounter[i].setCaption("1");
        fahrerinfo.lblZeitzahl[i].setCaption("200000");
    }
}

void frmMain::cmdConnect_Click() {
    if (cmdConnect.caption() == "Connect") {
        const std::int32_t receivePort = portOf(txtRecvPort.text());
        if (receivePort == 0) {
            StatusBar.show("Cannot connect: the receive port \"" + txtRecvPort.text() +
                           "\" is not a number from 1 to 65535.");
            return;
        }
        const std::int32_t gamePort = portOf(txtSendPort.text());
        if (gamePort == 0) {
            StatusBar.show("Cannot connect: the send port \"" + txtSendPort.text() +
                           "\" is not a number from 1 to 65535.");
            return;
        }
        cmdConnect.setCaption("Cancel");
        // Resolved once: the message names the address used, and only it counts as the game.
        const std::string host = txtIP.text().empty() ? std::string("127.0.0.1") : txtIP.text();
        const auto address = net::okSocket::ResolveHost(host);
        m_gameSenders = address ? net::GameSenders::of(*address) : net::GameSenders();
        const std::string target = address ? platform::formatIPv4(*address) : host;
        m_gameAddress = target + ":" + txtSendPort.text();
        StatusBar.show("Connecting to " + m_gameAddress);
        txtSendPort.setEnabled(false);
        txtRecvPort.setEnabled(false);
        txtPassword.setEnabled(false);
        cboProtocol.setEnabled(false);
        m_speaking = chosenProtocol();
        m_legacyTried = false;
        modern.begin(static_cast<std::uint16_t>(receivePort), txtPassword.text(),
                     static_cast<std::uint16_t>(m_intervalMs));
        modern.setTrendColours(m_trend != TrendColours::Off);
        lngClientSocket = InSimSocket.ConnectTo(target, gamePort);
        if (lngClientSocket == 0) {
            StatusBar.show("Could not create client socket!" + socketFailureReason(gamePort));
            cmdConnect.setEnabled(true);  // so "Cancel" can be clicked
            return;
        }
        lngServerSocket = InSimSocket.ListenTo(receivePort);
        if (lngServerSocket == 0) {
            StatusBar.show("Could not create server socket!" + socketFailureReason(receivePort));
            InSimSocket.CloseIt(lngClientSocket);
            lngClientSocket = 0;
            cmdConnect.setEnabled(true);
            return;
        }
        lngTimer = 0;
        link.start(kTries);
        KeepAlive.setEnabled(true);
    } else {
        StatusBar.show(cmdConnect.caption() == "Cancel" ? "Cancelled.." : "Disconnected..");
        CloseDown();
        KeepAlive.setEnabled(false);
    }
}

std::string frmMain::socketFailureReason(std::int32_t port) const {
    const std::int32_t code = InSimSocket.lastError();
    if (code == kWinsockAccessDenied && port < kFirstOrdinaryPort) {
        return " (permission denied: ports below 1024 need administrator rights here; use a port "
               "from 1024 up)";
    }
    return code != 0 ? " (" + net::okSocket::SocketErrorText(code) + ")" : std::string();
}

void frmMain::KeepAlive_Timer() {
    if (cmdConnect.caption() == "Cancel") {
        if (lngTimer == kTries * 10) {
            cmdConnect_Click();
            StatusBar.show("No response in 3 tries. InSim running? (use: /insim " +
                           txtSendPort.text() + " in LFS)");
            return;
        }
        tryToConnect();
    } else {
        keepLinkAlive();
        if (lngTimer > 120) {
            cmdConnect_Click();
            StatusBar.show("No response in 2 minutes.. InSim running?");
        }
    }
    ++lngTimer;
}

void frmMain::tryToConnect() {
    const bool legacyNow = m_speaking == Protocol::Auto && lngTimer % 10 == kFallbackTicks;
    if (legacyNow) {
        m_legacyTried = true;
    }
    if (lngTimer % 10 == 0) {
        const int attempt = lngTimer / 10 + 1;
        StatusBar.show("Connecting to " + m_gameAddress + " (" + std::to_string(attempt) + "/" +
                       std::to_string(kTries) + ")");
        link.connecting(attempt, kTries);
        if (m_speaking != Protocol::Legacy) {
            modern.sendInit();
            return;
        }
    } else if (!legacyNow) {
        return;
    }
    insim::SendISI(InSimSocket, lngClientSocket, portOf(txtRecvPort.text()), txtPassword.text());
    SendShortPacket("VER", 0, 0, 0);
}

void frmMain::keepLinkAlive() {
    if (m_speaking == Protocol::Legacy) {
        if (lngTimer % 30 == 0) {
            SendShortPacket("ACK", 0, 0, 0);
        }
    } else if (++m_ticksSinceKeepAlive >= kKeepAliveTicks) {
        m_ticksSinceKeepAlive = 0;
        modern.sendKeepAlive();
    }
}

void frmMain::CloseDown() {
    // Handles are cleared once closed, so a second close sends and closes nothing.
    if (lngClientSocket != 0) {
        if (m_speaking != Protocol::Legacy) {
            modern.sendClose();
        }
        if (m_speaking == Protocol::Legacy || (m_speaking == Protocol::Auto && m_legacyTried)) {
            SendShortPacket("ISC", 0, 0, 0);
        }
    }
    if (lngServerSocket != 0) {
        InSimSocket.CloseIt(lngServerSocket);
        lngServerSocket = 0;
    }
    if (lngClientSocket != 0) {
        InSimSocket.CloseIt(lngClientSocket);
        lngClientSocket = 0;
    }
    cmdConnect.setCaption("Connect");
    txtSendPort.setEnabled(true);
    txtRecvPort.setEnabled(true);
    txtPassword.setEnabled(true);
    cboProtocol.setEnabled(true);
    cmdSend.setEnabled(false);
    updateDrawing();
    txtSend.setEnabled(false);
    link.idle();
}

void frmMain::InSimSocket_ReceivedBytes(std::int32_t lngSocket,
                                        std::span<const std::uint8_t> bytData,
                                        std::int32_t lngLength) {
    if (lngSocket != lngServerSocket || lngServerSocket == 0) {
        return;
    }
    // A failed receive carries no datagram; another sender's is not the game's.
    const auto sender = InSimSocket.lastSender();
    if (!sender) {
        return;
    }
    if (!m_gameSenders.admits(sender->address)) {
        link.strangerDropped();
        return;
    }
    const auto datagram = bytData.first(std::min(bytData.size(), InSimSocket.lastLength()));
    if (m_speaking == Protocol::Auto) {
        // Undecided: the first version answer tells which generation the game speaks.
        if (ModernFront::isVersionAnswer(datagram)) {
            m_speaking = Protocol::Modern;
        } else if (datagram.size() >= 3 &&
                   std::string_view(reinterpret_cast<const char*>(datagram.data()), 3) == "VER") {
            m_speaking = Protocol::Legacy;
        }
    }
    if (m_speaking != Protocol::Legacy) {
        receiveModern(datagram);
        return;
    }
    try {
        m_dispatcher->DispatchPacket(bytData, lngLength);
    } catch (
        const std::exception&) {  // NOLINT(bugprone-empty-catch): one bad datagram ends quietly
    }
}

void frmMain::receiveModern(std::span<const std::uint8_t> datagram) {
    lngTimer = 0;
    const bool connecting = cmdConnect.caption() == "Cancel";
    switch (modern.receive(datagram, connecting && m_speaking == Protocol::Modern)) {
    case ModernFront::Answer::Connected:
        StatusBar.show("Connected to LFS " + modern.product() + " " + modern.version());
        cmdConnect.setCaption("Disconnect");
        txtSend.setEnabled(true);
        cmdSend.setEnabled(true);
        link.connected(modern.product(), modern.version());
        m_ticksSinceKeepAlive = 0;
        m_carsShown = 0;
        updateDrawing();
        break;
    case ModernFront::Answer::TooOld:
        CloseDown();
        KeepAlive.setEnabled(false);
        StatusBar.show("The game speaks InSim version " + std::to_string(modern.inSimVersion()) +
                       "; Rennlupe needs version 9 or newer (LFS 0.7 or later).");
        break;
    case ModernFront::Answer::Nothing:
        break;
    }
    const auto cars = static_cast<int>(modern.model().order().size());
    if (cars != m_carsShown && cmdConnect.caption() == "Disconnect") {
        m_carsShown = cars;
        link.cars(cars);
    }
}

Draw frmMain::chosenDraw() const {
    return drawNamed(cboDraw.text()).value_or(Draw::Auto);
}

void frmMain::updateDrawing() {
    const Draw draw = chosenDraw();
    const bool buttons = modern.buttons().linked();
    drawing.choose(!buttons || draw == Draw::Screen || draw == Draw::Both,
                   buttons && draw != Draw::Screen);
    modern.allowPanel(draw != Draw::Screen);
}

Protocol frmMain::chosenProtocol() const {
    return protocolNamed(cboProtocol.text()).value_or(Protocol::Auto);
}

void frmMain::portRule(const controls::TextBox& changed) {
    if (changed.text().empty()) {
        cmdConnect.setEnabled(false);
    }
    if (!txtSendPort.text().empty() && !txtRecvPort.text().empty()) {
        cmdConnect.setEnabled(true);
    }
    if (txtSendPort.text() == txtRecvPort.text()) {
        cmdConnect.setEnabled(false);
    }
}

void frmMain::chatSend() {
    if (!txtSend.text().empty()) {
        if (m_speaking == Protocol::Legacy) {
            insim::SendMST(InSimSocket, lngClientSocket, txtSend.text());
        } else {
            modern.sendChat(txtSend.text());
        }
    }
    txtSend.setText("");
}

void frmMain::SendShortPacket(std::string_view id, std::uint8_t p1, std::uint8_t p2,
                              std::uint8_t p3) {
    insim::SendShortPacket(InSimSocket, lngClientSocket, id, p1, p2, p3);
}

void frmMain::pump() {
    m_parts.loop.processPending();
}

}  // namespace rennlupe::ui
