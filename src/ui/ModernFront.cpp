#include "ui/ModernFront.h"

#include "insim10/ButtonFunctions.h"
#include "insim10/GameText.h"
#include "insim10/IsiFlags.h"
#include "insim10/IsIsi.h"
#include "insim10/IsMst.h"
#include "insim10/IsMsx.h"
#include "insim10/IsSmall.h"
#include "insim10/IsTiny.h"
#include "insim10/RaceFeed.h"
#include "insim10/SmallTypes.h"
#include "insim10/TinyTypes.h"
#include "race/GapLines.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <variant>

namespace rennlupe::ui {

namespace {

constexpr std::string_view kShiftPicture = "schalten.jpg";
constexpr std::string_view kProgramName = "Rennlupe";
constexpr std::uint8_t kRequestId = 1;  // not 0: the game answers requests with it
constexpr std::size_t kShortMessage = 63;
constexpr std::size_t kLongestPacket = 252;  // IS_BTN with its whole text

}  // namespace

ModernFront::ModernFront(Parts parts)
    : m_parts(parts),
      m_buttons([this](std::span<const std::uint8_t> packet) { send(packet); },
                [&clock = parts.clock] { return clock.monotonicSeconds(); }),
      m_panel([this](std::span<const std::uint8_t> packet) { send(packet); }, parts.sliders),
      m_model([&clock = parts.clock] { return clock.monotonicSeconds(); }) {}

void ModernFront::begin(std::uint16_t receivePort, std::string_view password,
                        std::uint16_t intervalMs) {
    m_receivePort = receivePort;
    m_password = insim10::encodeGameText(password);
    m_interval = intervalMs;
    m_decoder = insim10::PacketDecoder();
    m_buttons.linkDown();
    m_panel.linkDown();
    m_shiftLight = false;
    m_shiftPreview = false;
    m_model.apply(race::FieldCleared{});
    m_model.apply(race::ViewedCar{});
    m_trend.clear();
    m_product.clear();
    m_version.clear();
    m_inSimVersion = 0;
    m_shownText.clear();
    m_textShown = false;
}

void ModernFront::sendInit() {
    insim10::IsIsi isi;
    isi.ReqI = kRequestId;
    isi.UDPPort = m_receivePort;
    isi.Flags = insim10::kIsfMci | insim10::kIsfLocal;
    isi.Prefix = '!';  // chat lines starting with it come as IS_MSO of UserType 2
    isi.Interval = m_interval;
    isi.Admin = m_password;
    isi.IName = kProgramName;
    send(isi.bytes());
}

void ModernFront::sendKeepAlive() {
    sendTiny(insim10::kTinyNone);
}

void ModernFront::sendClose() {
    m_buttons.clearAll();
    sendTiny(insim10::kTinyClose);
    m_buttons.linkDown();
    m_panel.linkDown();
}

void ModernFront::sendChat(std::string_view text) {
    std::string bytes = insim10::encodeGameText(text);
    if (bytes.size() <= kShortMessage || text.starts_with('/')) {
        send(insim10::IsMst{std::move(bytes)}.bytes());
    } else {
        send(insim10::IsMsx{std::move(bytes)}.bytes());
    }
}

bool ModernFront::isVersionAnswer(std::span<const std::uint8_t> datagram) {
    const auto packet = insim10::PacketDecoder().decode(datagram);
    return packet && std::holds_alternative<insim10::IsVer>(*packet);
}

ModernFront::Answer ModernFront::receive(std::span<const std::uint8_t> datagram, bool connecting) {
    const auto packet = m_decoder.decode(datagram);
    if (!packet) {
        return Answer::Nothing;
    }
    if (const auto* ver = std::get_if<insim10::IsVer>(&*packet)) {
        if (!connecting) {
            return Answer::Nothing;
        }
        m_inSimVersion = ver->InSimVer;
        if (m_inSimVersion < kOldestInSim) {
            return Answer::TooOld;
        }
        m_product = insim10::decodeGameText(ver->Product);
        m_version = insim10::decodeGameText(ver->Version);
        for (const std::uint8_t request :
             {insim10::kTinyNpl, insim10::kTinySst, insim10::kTinyRst}) {
            sendTiny(request);
        }
        send(insim10::IsSmall{kRequestId, insim10::kSmallSsg, kGaugeInterval}.bytes());
        m_buttons.linkUp();
        m_panel.linkUp(m_buttons.options().clickBase);
        return Answer::Connected;
    }
    if (connecting) {  // the race counts only once the game has answered
        return Answer::Nothing;
    }
    std::visit(
        [this](const auto& p) {
            using Kind = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<Kind, insim10::IsTiny>) {
                if (p.SubT == insim10::kTinyNone) {
                    sendKeepAlive();
                }
            } else if constexpr (std::is_same_v<Kind, insim10::IsBfn>) {
                if (p.SubT == insim10::kBfnUserClear) {
                    m_buttons.userCleared();
                    m_panel.userCleared();
                } else if (p.SubT == insim10::kBfnRequest) {
                    m_buttons.userRequested();
                    m_panel.userRequested();
                }
            } else if constexpr (std::is_same_v<Kind, insim10::IsMso>) {
                chatLine(p);
            } else if constexpr (std::is_same_v<Kind, insim10::IsBtc>) {
                afterPanel(m_panel.click(p.ClickID));
            } else if constexpr (std::is_same_v<Kind, insim10::OutGaugePack>) {
                followShiftLight(p.lightOn(insim10::OutGaugePack::kDlShift));
            }
        },
        *packet);
    // Gauges, keep-alives, clicks and chat leave the race as it was: no lines to work out.
    if (insim10::feedRace(*packet, m_model)) {
        showGaps();
    }
    return Answer::Nothing;
}

void ModernFront::send(std::span<const std::uint8_t> bytes) {
    // The socket sends from a buffer one longer than the packet, its last byte never sent.
    std::array<std::uint8_t, kLongestPacket + 1> buffer{};
    if (m_parts.clientSocket != 0 && bytes.size() <= kLongestPacket) {
        std::copy(bytes.begin(), bytes.end(), buffer.begin());
        m_parts.socket.SendBytes(m_parts.clientSocket, buffer,
                                 static_cast<std::int32_t>(bytes.size()));
    }
}

void ModernFront::sendTiny(std::uint8_t subType) {
    const std::uint8_t reqI = subType == insim10::kTinyNone || subType == insim10::kTinyClose
                                  ? std::uint8_t{0}
                                  : kRequestId;
    send(insim10::IsTiny{reqI, subType}.bytes());
}

void ModernFront::showGaps() {
    // No viewed car shows nothing; the lines go out only when their text changes.
    const race::Car* viewed = m_model.viewed();
    const bool show = viewed != nullptr;
    const auto plidOf = [](const race::Car* car) {
        return car != nullptr ? car->plid : std::uint8_t{0};
    };
    const race::Gaps gaps = m_model.gaps();
    m_trend.record(m_model.now(), plidOf(viewed), show ? plidOf(m_model.ahead(viewed->plid)) : 0,
                   show ? plidOf(m_model.behind(viewed->plid)) : 0, gaps);
    using Line = race::GapTrend::Line;
    const auto trend = [this](Line line) {
        return m_trendColours ? m_trend.trend(line) : race::Trend::Steady;
    };
    const race::GapLines lines(gaps, trend(Line::Ahead), trend(Line::Behind));
    const std::string_view text = show ? lines.text() : std::string_view();
    if (show == m_textShown && text == m_shownText) {
        return;
    }
    m_textShown = show;
    m_shownText = text;
    m_parts.form1.TextInDX(text);
}

void ModernFront::allowPanel(bool allowed) {
    m_panelAllowed = allowed;
    m_panel.allow(allowed);
    if (!allowed) {
        afterPanel(SettingsPanel::Effect::None);  // the shift indicator as its light says
    }
}

void ModernFront::chatLine(const insim10::IsMso& mso) {
    constexpr std::uint8_t kPrefixed = 2;
    if (mso.UserType == kPrefixed && m_panelAllowed &&
        SettingsPanel::isCommand(insim10::decodeGameText(mso.msg().subspan(mso.TextStart)))) {
        m_panel.toggle();
        afterPanel(SettingsPanel::Effect::None);
    }
}

void ModernFront::afterPanel(SettingsPanel::Effect effect) {
    if (effect == SettingsPanel::Effect::Text && m_textShown) {
        m_parts.form1.TextInDX(m_shownText);
    }
    const bool preview =
        m_panel.isOpen() && (m_shiftPreview || effect == SettingsPanel::Effect::Shift);
    if (preview || preview != m_shiftPreview) {
        m_shiftPreview = preview;
        followShiftLight(m_shiftLight);
    }
    if ((effect == SettingsPanel::Effect::Text || effect == SettingsPanel::Effect::Shift) &&
        slidersChanged) {
        slidersChanged();
    }
}

void ModernFront::followShiftLight(bool on) {
    m_shiftLight = on;
    if (on || m_shiftPreview) {
        m_parts.form1.GrafikInDXZeigen(kShiftPicture);
    } else {
        m_parts.form1.GrafikInDXVerbergen(kShiftPicture);
    }
}

}  // namespace rennlupe::ui
