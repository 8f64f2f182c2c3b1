#include "support/RecordingStatusWindow.h"

#include <stdexcept>

namespace rennlupe::support {

std::intptr_t RecordingStatusWindow::make() {
    alive.insert(m_next);
    return m_next++;
}

// Releasing what is not alive is the fault a double must catch.
void RecordingStatusWindow::release(std::intptr_t handle) {
    if (alive.erase(handle) == 0) {
        throw std::logic_error("released twice or never made: " + std::to_string(handle));
    }
}

statusbar::WindowHandle RecordingStatusWindow::createWindow(std::string_view className,
                                                            std::uint32_t style, std::int32_t w,
                                                            std::int32_t h) {
    log.push_back("CreateWindowEx " + std::string(className) + " " + std::to_string(style) + " " +
                  std::to_string(w) + "x" + std::to_string(h));
    if (refuseWindow) {
        return 0;
    }
    const WindowHandle window = make();
    m_styles[window] = style;
    texts.clear();
    tips.clear();
    icons.clear();
    parts.clear();
    return window;
}

void RecordingStatusWindow::destroyWindow(WindowHandle window) {
    log.emplace_back("DestroyWindow");
    m_styles.erase(window);
    release(window);
}

std::uint32_t RecordingStatusWindow::windowStyle(WindowHandle window) const {
    const auto found = m_styles.find(window);
    return found == m_styles.end() ? 0 : found->second;
}

void RecordingStatusWindow::moveWindow(WindowHandle, std::int32_t x, std::int32_t y, std::int32_t w,
                                       std::int32_t h, bool repaint) {
    log.push_back("MoveWindow " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(w) + "x" + std::to_string(h) + (repaint ? " repaint" : ""));
}

void RecordingStatusWindow::setText(WindowHandle, std::uint32_t partAndStyle,
                                    std::string_view text) {
    texts[partAndStyle & 0xFFU] = text;
    log.push_back("SB_SETTEXT " + std::to_string(partAndStyle) + " " + std::string(text));
}

statusbar::PanelRect RecordingStatusWindow::getRect(WindowHandle, std::uint32_t part) {
    const auto index = static_cast<std::size_t>(part);
    const std::int32_t left = index == 0 || index > parts.size() ? 0 : parts[index - 1];
    const std::int32_t right = index < parts.size() ? parts[index] : width;
    return {left, 2, right, 22};
}

statusbar::ImageListHandle RecordingStatusWindow::createImageList(std::int32_t, std::int32_t,
                                                                  std::uint32_t, std::int32_t,
                                                                  std::int32_t) {
    const statusbar::ImageListHandle list = make();
    m_images[list] = 0;
    return list;
}

void RecordingStatusWindow::destroyImageList(statusbar::ImageListHandle list) {
    m_images.erase(list);
    release(list);
}

statusbar::IconHandle RecordingStatusWindow::iconFromList(statusbar::ImageListHandle list,
                                                          std::int32_t index, std::uint32_t) {
    const auto found = m_images.find(list);
    return found != m_images.end() && index >= 0 && index < found->second ? make() : 0;
}

}  // namespace rennlupe::support
