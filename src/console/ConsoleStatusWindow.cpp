#include "console/ConsoleStatusWindow.h"

namespace rennlupe::console {

namespace {

constexpr std::uint32_t kPartMask = 0xFF;  // the style's bits lie above the part number
constexpr std::uint32_t kLinkPart = 1;

}  // namespace

double ConsoleStatusWindow::textWidth(const statusbar::FontObject&, std::string_view text) const {
    return static_cast<double>(text.size()) * 6.0;
}

statusbar::WindowHandle ConsoleStatusWindow::createWindow(std::string_view, std::uint32_t style,
                                                          std::int32_t, std::int32_t) {
    m_style = style;
    return 1;
}

void ConsoleStatusWindow::setText(statusbar::WindowHandle, std::uint32_t partAndStyle,
                                  std::string_view text) {
    if ((partAndStyle & kPartMask) == 0) {
        m_out << "status: " << text << std::endl;
    } else if ((partAndStyle & kPartMask) == kLinkPart) {
        printPendingTip();
        printChange(m_link, "link: ", text);
    }
}

void ConsoleStatusWindow::setTipText(statusbar::WindowHandle, std::uint32_t part,
                                     std::string_view text) {
    if (part == kLinkPart) {
        m_pendingTip = text;
        // A flood from strangers changes the tip with each datagram: a line a second at most.
        if (std::chrono::steady_clock::now() - m_tipPrinted >= std::chrono::seconds(1)) {
            printPendingTip();
        }
    }
}

void ConsoleStatusWindow::printPendingTip() {
    if (m_pendingTip != m_linkTip) {
        printChange(m_linkTip, "link tip: ", m_pendingTip);
        m_tipPrinted = std::chrono::steady_clock::now();
    }
}

void ConsoleStatusWindow::printChange(std::string& last, std::string_view label,
                                      std::string_view text) {
    if (text != last) {
        last = text;
        m_out << label << text << std::endl;
    }
}

}  // namespace rennlupe::console
