#pragma once

#include "bits/MessageLine.h"
#include "statusbar/FontObject.h"
#include "statusbar/StatusWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::statusbar {

// The status bar: panels with their own layout rules over a status window.
// Panels are numbered from 1; a bad panel number reads 0 or "" and a write
// with one does nothing. As the message line it is PanelText(1).
class ucStatusbar final : public bits::MessageLine {
public:
    static constexpr std::string_view kClassName = "msctls_statusbar32";
    static constexpr std::string_view kSystemLibrary = "Shell32.dll";
    static constexpr std::uint32_t kChildStyle = 0x40000000;
    static constexpr std::uint32_t kSizeGripStyle = 0x100;
    static constexpr std::uint32_t kToolTipsStyle = 0x800;
    static constexpr std::uint32_t kImageListFlags = 0xFF;
    static constexpr std::int32_t kSizeGripWidth = 20;
    static constexpr std::int32_t kNoIcon = -1;
    enum Autosize : std::int32_t { kFixed = 0, kSpring = 1, kContents = 2 };
    enum Button : std::int32_t { kLeft = 1, kRight = 2 };
    enum Notification : std::int32_t { kClick = -2, kDblClick = -3, kRClick = -5, kRDblClick = -6 };

    struct Panel {
        std::int32_t Style = 0;
        std::int32_t MinWidth = 0;
        std::int32_t Width = 0;
        std::int32_t Autosize = kFixed;
        std::string Text;
        std::string TipText;
        std::int32_t IconIndex = kNoIcon;
    };

    explicit ucStatusbar(StatusWindow& window);
    ~ucStatusbar() override;
    ucStatusbar(const ucStatusbar&) = delete;
    ucStatusbar& operator=(const ucStatusbar&) = delete;

    // The host window is loaded: its font becomes the drawing font.
    void Load(std::shared_ptr<FontObject> hostFont);

    bool Initialize(bool sizeGrip, bool toolTips);
    bool InitializeIconList(std::int32_t iconWidth, std::int32_t iconHeight);
    void AddPanel(std::int32_t style = 0, std::int32_t minWidth = 100, std::int32_t width = 0,
                  std::int32_t autosize = kFixed, std::string text = {}, std::string tipText = {},
                  std::int32_t iconIndex = kNoIcon);
    std::int32_t AddIcon(IconHandle icon);
    void GetPanelRect(std::int32_t panel, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                      std::int32_t& y2);

    bool SizeGrip() const;
    void setSizeGrip(bool New_SizeGrip);
    std::int32_t PanelCount() const;
    std::int32_t PanelStyle(std::int32_t panel) const;
    void setPanelStyle(std::int32_t panel, std::int32_t New_Style);
    std::int32_t PanelMinWidth(std::int32_t panel) const;
    void setPanelMinWidth(std::int32_t panel, std::int32_t New_MinWidth);
    std::int32_t PanelWidth(std::int32_t panel) const;
    void setPanelWidth(std::int32_t panel, std::int32_t New_Width);
    std::int32_t PanelAutosize(std::int32_t panel) const;
    void setPanelAutosize(std::int32_t panel, std::int32_t New_Autosize);
    std::string PanelText(std::int32_t panel) const;
    void setPanelText(std::int32_t panel, std::string New_Text);
    std::string PanelTipText(std::int32_t panel) const;
    void setPanelTipText(std::int32_t panel, std::string New_TipText);
    std::int32_t PanelIconIndex(std::int32_t panel) const;
    void setPanelIconIndex(std::int32_t panel, std::int32_t New_IconIndex);
    bool Enabled() const noexcept { return m_enabled; }
    void setEnabled(bool New_Enabled);
    FontObject& Font() const { return *m_oFont; }
    void setFont(std::shared_ptr<FontObject> New_Font);
    WindowHandle hWnd() const noexcept { return m_statusWindow; }

    void show(std::string_view text) override { setPanelText(1, std::string(text)); }

    // Raised from inside the window messages below.
    std::function<void(std::int32_t panel, std::int32_t button)> PanelClick;
    std::function<void(std::int32_t panel, std::int32_t button)> PanelDblClick;
    std::function<void()> Resize;

    // What the window system reports: the control shown, WM_SIZE and WM_NOTIFY
    // on the control's window, WM_SETFONT on the status window.
    void shown();
    void handleSize();
    void handleNotify(WindowHandle from, std::int32_t code, std::int32_t item);
    void handleStatusFont();

    // -(points rounded half to even) * pixelsPerInch / 72, rounded as MulDiv does.
    static std::int32_t fontHeight(double points, std::int32_t pixelsPerInch);
    static FontDescription describe(const FontObject& font, std::int32_t pixelsPerInch);

private:
    bool valid(std::int32_t panel) const;
    Panel& at(std::int32_t panel) { return m_panels[static_cast<std::size_t>(panel - 1)]; }
    const Panel& at(std::int32_t panel) const {
        return m_panels[static_cast<std::size_t>(panel - 1)];
    }
    void takeFont(std::shared_ptr<FontObject> font);
    void applyFont();
    void layout();
    // Its font, its panels' icons and the window itself; the panel records stay.
    void destroyStatusWindow();
    void destroyPanelIcons();
    void takeHeightFromFirstPart();

    StatusWindow& m_window;
    ModuleHandle m_systemLibrary = 0;
    WindowHandle m_statusWindow = 0;
    bool m_handlingMessages = false;
    bool m_enabled = true;
    bool m_doubleClicked = false;
    ImageListHandle m_imageList = 0;
    FontHandle m_fontHandle = 0;
    std::shared_ptr<FontObject> m_oFont;
    int m_fontListener = 0;
    std::shared_ptr<FontObject> m_drawingFont;
    std::vector<Panel> m_panels;
};

}  // namespace rennlupe::statusbar
