#include "support/RecordingStatusWindow.h"

#include <stdexcept>

namespace rennlupe::support {

std::intptr_t RecordingStatusWindow::make() {
    const std::intptr_t handle = m_next++;
    alive.insert(handle);
    return handle;
}

// Releasing what is not alive is the fault a double must catch.
void RecordingStatusWindow::release(std::intptr_t handle) {
    if (alive.erase(handle) == 0) {
        throw std::logic_error("released twice or never made: " + std::to_string(handle));
    }
}

statusbar::ModuleHandle RecordingStatusWindow::loadLibrary(std::string_view name) {
    log.push_back("LoadLibrary " + std::string(name));
    return make();
}

void RecordingStatusWindow::freeLibrary(statusbar::ModuleHandle module) {
    log.emplace_back("FreeLibrary");
    release(module);
}

void RecordingStatusWindow::initCommonControls() {
    log.emplace_back("InitCommonControls");
}

void RecordingStatusWindow::setHeight(std::int32_t pixels) {
    controlHeight = pixels;
}

void RecordingStatusWindow::dockToBottom() {
    log.emplace_back("dock");
}

double RecordingStatusWindow::textWidth(const statusbar::FontObject&, std::string_view text) const {
    return 6.0 * static_cast<double>(text.size());
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

void RecordingStatusWindow::showWindow(WindowHandle) {
    log.emplace_back("ShowWindow");
}

void RecordingStatusWindow::moveWindow(WindowHandle, std::int32_t x, std::int32_t y, std::int32_t w,
                                       std::int32_t h, bool repaint) {
    log.push_back("MoveWindow " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(w) + "x" + std::to_string(h) + (repaint ? " repaint" : ""));
}

void RecordingStatusWindow::enableWindow(WindowHandle, bool enabled) {
    log.push_back(enabled ? "EnableWindow 1" : "EnableWindow 0");
}

void RecordingStatusWindow::setText(WindowHandle, std::uint32_t partAndStyle,
                                    std::string_view text) {
    texts[partAndStyle & 0xFFU] = text;
    log.push_back("SB_SETTEXT " + std::to_string(partAndStyle) + " " + std::string(text));
}

void RecordingStatusWindow::setParts(WindowHandle, std::span<const std::int32_t> rightEdges) {
    parts.assign(rightEdges.begin(), rightEdges.end());
    ++setPartsCalls;
}

statusbar::PanelRect RecordingStatusWindow::getRect(WindowHandle, std::uint32_t part) {
    const auto index = static_cast<std::size_t>(part);
    const std::int32_t left = index == 0 || index > parts.size() ? 0 : parts[index - 1];
    const std::int32_t right = index < parts.size() ? parts[index] : width;
    return {left, 2, right, 22};
}

void RecordingStatusWindow::setIcon(WindowHandle, std::uint32_t part, IconHandle icon) {
    icons[part] = icon;
}

void RecordingStatusWindow::setTipText(WindowHandle, std::uint32_t part, std::string_view text) {
    tips[part] = text;
}

statusbar::IconHandle RecordingStatusWindow::getIcon(WindowHandle, std::uint32_t part) {
    const auto found = icons.find(part);
    return found == icons.end() ? 0 : found->second;
}

void RecordingStatusWindow::setFont(WindowHandle, statusbar::FontHandle font, bool redraw) {
    log.push_back("WM_SETFONT " + std::to_string(font) + (redraw ? " 1" : " 0"));
}

statusbar::FontHandle RecordingStatusWindow::createFont(
    const statusbar::FontDescription& description) {
    fonts.push_back(description);
    return make();
}

void RecordingStatusWindow::deleteFont(statusbar::FontHandle font) {
    release(font);
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

std::int32_t RecordingStatusWindow::addIcon(statusbar::ImageListHandle list, IconHandle icon) {
    return icon == 0 ? -1 : m_images.at(list)++;
}

statusbar::IconHandle RecordingStatusWindow::iconFromList(statusbar::ImageListHandle list,
                                                          std::int32_t index, std::uint32_t) {
    const auto found = m_images.find(list);
    return found != m_images.end() && index >= 0 && index < found->second ? make() : 0;
}

void RecordingStatusWindow::destroyIcon(IconHandle icon) {
    release(icon);
}

}  // namespace rennlupe::support
