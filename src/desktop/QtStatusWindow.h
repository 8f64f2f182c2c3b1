#pragma once

#include "statusbar/StatusWindow.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <vector>

namespace rennlupe::statusbar {
class ucStatusbar;
}  // namespace rennlupe::statusbar

namespace rennlupe::desktop {

class StatusPanels;

// The bar's own window in its host: it holds the status window and the fonts,
// image lists and icons, and reports to the attached bar. Docked at the host's
// bottom, unless the host put it in a layout: then the layout places it.
class QtStatusWindow final : public QWidget, public statusbar::StatusWindow {
    Q_OBJECT

public:
    explicit QtStatusWindow(QWidget* host);
    ~QtStatusWindow() override;
    QtStatusWindow(const QtStatusWindow&) = delete;
    QtStatusWindow& operator=(const QtStatusWindow&) = delete;

    void attach(statusbar::ucStatusbar& bar) noexcept { m_bar = &bar; }
    void detach() noexcept { m_bar = nullptr; }

    // How a caller gets icons to hand to AddIcon; valid until destroyIcon.
    statusbar::IconHandle registerIcon(const QIcon& icon);
    statusbar::IconHandle registerIcon(const QPixmap& pixmap);

    // The bar frees its library as the last thing it does: it detaches then.
    statusbar::ModuleHandle loadLibrary(std::string_view name) override;
    void freeLibrary(statusbar::ModuleHandle module) override;
    void initCommonControls() override {}

    std::int32_t innerWidth() const override { return width(); }
    std::int32_t innerHeight() const override { return height(); }
    void setHeight(std::int32_t pixels) override;
    void dockToBottom() override;
    void enableControl(bool enabled) override { setEnabled(enabled); }
    std::int32_t pixelsPerInchY() const override { return logicalDpiY(); }
    double textWidth(const statusbar::FontObject& font, std::string_view text) const override;

    statusbar::WindowHandle createWindow(std::string_view className, std::uint32_t style,
                                         std::int32_t width, std::int32_t height) override;
    void destroyWindow(statusbar::WindowHandle window) override;
    std::uint32_t windowStyle(statusbar::WindowHandle window) const override;
    void showWindow(statusbar::WindowHandle window) override;
    void moveWindow(statusbar::WindowHandle window, std::int32_t x, std::int32_t y,
                    std::int32_t width, std::int32_t height, bool repaint) override;
    void enableWindow(statusbar::WindowHandle window, bool enabled) override;

    void setText(statusbar::WindowHandle window, std::uint32_t partAndStyle,
                 std::string_view text) override;
    void setParts(statusbar::WindowHandle window,
                  std::span<const std::int32_t> rightEdges) override;
    statusbar::PanelRect getRect(statusbar::WindowHandle window, std::uint32_t part) override;
    void setIcon(statusbar::WindowHandle window, std::uint32_t part,
                 statusbar::IconHandle icon) override;
    void setTipText(statusbar::WindowHandle window, std::uint32_t part,
                    std::string_view text) override;
    statusbar::IconHandle getIcon(statusbar::WindowHandle window, std::uint32_t part) override;
    void setFont(statusbar::WindowHandle window, statusbar::FontHandle font, bool redraw) override;

    statusbar::FontHandle createFont(const statusbar::FontDescription& description) override;
    void deleteFont(statusbar::FontHandle font) override;

    statusbar::ImageListHandle createImageList(std::int32_t width, std::int32_t height,
                                               std::uint32_t flags, std::int32_t initial,
                                               std::int32_t grow) override;
    void destroyImageList(statusbar::ImageListHandle list) override;
    std::int32_t addIcon(statusbar::ImageListHandle list, statusbar::IconHandle icon) override;
    statusbar::IconHandle iconFromList(statusbar::ImageListHandle list, std::int32_t index,
                                       std::uint32_t flags) override;
    void destroyIcon(statusbar::IconHandle icon) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct ImageList {
        QSize size;
        std::vector<QPixmap> images;
    };

    std::intptr_t nextHandle() noexcept { return m_nextHandle++; }
    StatusPanels* panels(statusbar::WindowHandle window) const;
    bool inHostLayout() const;
    void placeAtBottom();
    template <typename Report>
    void report(const char* what, Report&& call) noexcept;

    QPointer<QWidget> m_host;
    statusbar::ucStatusbar* m_bar = nullptr;
    StatusPanels* m_panels = nullptr;
    statusbar::WindowHandle m_panelsHandle = 0;
    bool m_docked = false;
    std::intptr_t m_nextHandle = 1;
    std::set<statusbar::ModuleHandle> m_modules;
    std::map<statusbar::FontHandle, QFont> m_fonts;
    std::map<statusbar::ImageListHandle, ImageList> m_imageLists;
    std::map<statusbar::IconHandle, QIcon> m_icons;
};

}  // namespace rennlupe::desktop
