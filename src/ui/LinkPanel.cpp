#include "ui/LinkPanel.h"

#include <utility>

namespace rennlupe::ui {

namespace {

std::string counted(std::uint64_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string tipFor(std::uint64_t dropped) {
    return counted(dropped, "datagram", "datagrams") + " from other senders dropped";
}

}  // namespace

void LinkPanel::add() {
    m_bar.AddPanel(0, 0, 0, statusbar::ucStatusbar::kContents, std::string(kIdle),
                   tipFor(m_dropped));
}

void LinkPanel::idle() {
    m_connectedTo.clear();
    show(std::string(kIdle));
}

void LinkPanel::start(int attempts) {
    m_dropped = 0;
    showTip();
    connecting(1, attempts);
}

void LinkPanel::connecting(int attempt, int attempts) {
    m_connectedTo.clear();
    show("Connecting " + std::to_string(attempt) + "/" + std::to_string(attempts));
}

void LinkPanel::connected(std::string_view product, std::string_view version) {
    m_connectedTo = std::string(product) + " " + std::string(version);
    show("Connected: " + m_connectedTo);
}

void LinkPanel::cars(int count) {
    if (!m_connectedTo.empty()) {
        show("Connected: " + m_connectedTo + ", " +
             counted(static_cast<std::uint64_t>(count), "car", "cars"));
    }
}

void LinkPanel::strangerDropped() {
    ++m_dropped;
    showTip();
}

void LinkPanel::show(std::string text) {
    m_bar.setPanelText(kPanel, std::move(text));
}

void LinkPanel::showTip() {
    m_bar.setPanelTipText(kPanel, tipFor(m_dropped));
}

}  // namespace rennlupe::ui
