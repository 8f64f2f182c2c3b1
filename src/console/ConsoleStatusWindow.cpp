#include "console/ConsoleStatusWindow.h"

namespace rennlupe::console {

namespace {

constexpr std::uint32_t kPartMask = 0xFF;  // the style's bits lie above the part number

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
    }
}

}  // namespace rennlupe::console
