#include "statusbar/ucStatusbar.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <utility>

namespace rennlupe::statusbar {

namespace {

constexpr std::int32_t kContentsPadding = 8;
constexpr std::int32_t kIconWidth = 20;
constexpr std::int32_t kBold = 700;
constexpr std::int32_t kNormal = 400;

std::uint32_t part(std::int32_t panel) {
    return static_cast<std::uint32_t>(panel - 1);
}

std::int32_t roundHalfEven(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

// a * b / c rounded half away from zero; -1 for a zero divisor or an overflow.
std::int32_t mulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = std::abs(std::int64_t{c}) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t quotient = (std::abs(product) + half) / std::abs(std::int64_t{c});
    const std::int64_t result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<std::int32_t>::max() ||
        result < std::numeric_limits<std::int32_t>::min()) {
        return -1;
    }
    return static_cast<std::int32_t>(result);
}

// Never more than the field holds less its zero, and never half a UTF-8 character.
std::size_t faceNameLength(std::string_view name) {
    std::size_t length = std::min(name.size(), FontDescription::kFaceNameSize - 1);
    while (length > 0 && length < name.size() &&
           (static_cast<unsigned char>(name[length]) & 0xC0U) == 0x80U) {
        --length;
    }
    return length;
}

}  // namespace

ucStatusbar::ucStatusbar(StatusWindow& window)
    : m_window(window), m_systemLibrary(window.loadLibrary(kSystemLibrary)) {
    m_window.initCommonControls();
    takeFont(std::make_shared<FontObject>());
}

ucStatusbar::~ucStatusbar() {
    if (m_oFont) {
        m_oFont->stopListening(m_fontListener);
    }
    if (m_statusWindow != 0) {
        destroyStatusWindow();
    }
    if (m_imageList != 0) {
        m_window.destroyImageList(m_imageList);
    }
    if (m_systemLibrary != 0) {
        m_window.freeLibrary(m_systemLibrary);
    }
}

void ucStatusbar::Load(std::shared_ptr<FontObject> hostFont) {
    m_drawingFont = std::move(hostFont);
}

std::int32_t ucStatusbar::fontHeight(double points, std::int32_t pixelsPerInch) {
    return -mulDiv(roundHalfEven(points), pixelsPerInch, 72);
}

FontDescription ucStatusbar::describe(const FontObject& font, std::int32_t pixelsPerInch) {
    FontDescription description;
    const std::string& name = font.Name();
    std::memcpy(description.faceName.data(), name.data(), faceNameLength(name));
    description.height = fontHeight(font.Size(), pixelsPerInch);
    description.weight = font.Bold() ? kBold : kNormal;
    description.italic = font.Italic() ? 1 : 0;
    description.underline = font.Underline() ? 1 : 0;
    description.strikeOut = font.Strikethrough() ? 1 : 0;
    description.charSet = static_cast<std::uint8_t>(font.Charset());
    return description;
}

void ucStatusbar::takeFont(std::shared_ptr<FontObject> font) {
    if (!font || font == m_oFont) {
        return;
    }
    if (m_oFont) {
        m_oFont->stopListening(m_fontListener);
    }
    m_oFont = std::move(font);
    m_fontListener = m_oFont->listen([this] {
        if (m_statusWindow != 0) {
            applyFont();
        }
    });
}

void ucStatusbar::applyFont() {
    m_drawingFont = m_oFont;
    const FontDescription description = describe(*m_oFont, m_window.pixelsPerInchY());
    if (m_fontHandle != 0) {
        m_window.deleteFont(m_fontHandle);
    }
    m_fontHandle = m_window.createFont(description);
    m_window.setFont(m_statusWindow, m_fontHandle, true);
}

bool ucStatusbar::Initialize(bool sizeGrip, bool toolTips) {
    if (m_statusWindow != 0) {
        return false;
    }
    const std::uint32_t style =
        kChildStyle | (sizeGrip ? kSizeGripStyle : 0U) | (toolTips ? kToolTipsStyle : 0U);
    m_statusWindow =
        m_window.createWindow(kClassName, style, m_window.innerWidth(), m_window.innerHeight());
    if (m_statusWindow == 0) {
        return false;
    }
    takeHeightFromFirstPart();
    m_window.dockToBottom();
    m_window.showWindow(m_statusWindow);
    takeFont(m_drawingFont);
    applyFont();
    m_handlingMessages = true;
    return true;
}

bool ucStatusbar::InitializeIconList(std::int32_t iconWidth, std::int32_t iconHeight) {
    const ImageListHandle list =
        m_window.createImageList(iconWidth, iconHeight, kImageListFlags, 0, 0);
    if (list == 0) {
        return false;
    }
    if (m_imageList != 0) {
        m_window.destroyImageList(m_imageList);
    }
    m_imageList = list;
    return true;
}

void ucStatusbar::AddPanel(std::int32_t style, std::int32_t minWidth, std::int32_t width,
                           std::int32_t autosize, std::string text, std::string tipText,
                           std::int32_t iconIndex) {
    if (m_statusWindow == 0) {
        return;
    }
    const std::vector<std::int32_t> zeros(m_panels.size() + 1, 0);
    m_window.setParts(m_statusWindow, zeros);
    const auto panel = static_cast<std::int32_t>(zeros.size());
    m_window.setText(m_statusWindow, part(panel) | static_cast<std::uint32_t>(style), text);
    m_window.setTipText(m_statusWindow, part(panel), tipText);
    IconHandle icon = 0;
    if (iconIndex != kNoIcon && m_imageList != 0) {
        icon = m_window.iconFromList(m_imageList, iconIndex, 0);
        if (icon != 0) {
            m_window.setIcon(m_statusWindow, part(panel), icon);
        }
    }
    m_panels.push_back({style, minWidth, std::max(width, minWidth), autosize, std::move(text),
                        std::move(tipText), icon != 0 ? iconIndex : kNoIcon});
    layout();
}

std::int32_t ucStatusbar::AddIcon(IconHandle icon) {
    if (m_imageList == 0 || m_statusWindow == 0) {
        return 0;
    }
    return m_window.addIcon(m_imageList, icon);
}

void ucStatusbar::GetPanelRect(std::int32_t panel, std::int32_t& x1, std::int32_t& y1,
                               std::int32_t& x2, std::int32_t& y2) {
    if (!valid(panel)) {
        return;
    }
    const PanelRect rect = m_window.getRect(m_statusWindow, part(panel));
    x1 = rect.left;
    y1 = rect.top;
    x2 = rect.right;
    y2 = rect.bottom;
}

bool ucStatusbar::SizeGrip() const {
    return m_statusWindow != 0 && (m_window.windowStyle(m_statusWindow) & kSizeGripStyle) != 0;
}

void ucStatusbar::setSizeGrip(bool New_SizeGrip) {
    if (m_statusWindow == 0 || New_SizeGrip == SizeGrip()) {
        return;
    }
    const std::vector<Panel> kept = m_panels;
    const bool toolTips = (m_window.windowStyle(m_statusWindow) & kToolTipsStyle) != 0;

    destroyStatusWindow();
    (void)Initialize(New_SizeGrip, toolTips);

    m_panels.clear();
    for (const Panel& panel : kept) {
        AddPanel(panel.Style, panel.MinWidth, panel.Width, panel.Autosize, panel.Text,
                 panel.TipText, panel.IconIndex);
    }
    if (m_statusWindow != 0) {
        m_window.setFont(m_statusWindow, m_fontHandle, false);
    }
}

std::int32_t ucStatusbar::PanelCount() const {
    return m_statusWindow == 0 ? 0 : static_cast<std::int32_t>(m_panels.size());
}

bool ucStatusbar::valid(std::int32_t panel) const {
    return m_statusWindow != 0 && panel >= 1 && panel <= static_cast<std::int32_t>(m_panels.size());
}

std::int32_t ucStatusbar::PanelStyle(std::int32_t panel) const {
    return valid(panel) ? at(panel).Style : 0;
}

void ucStatusbar::setPanelStyle(std::int32_t panel, std::int32_t New_Style) {
    if (valid(panel)) {
        m_window.setText(m_statusWindow, static_cast<std::uint32_t>(New_Style) | part(panel),
                         at(panel).Text);
        at(panel).Style = New_Style;
    }
}

std::int32_t ucStatusbar::PanelMinWidth(std::int32_t panel) const {
    return valid(panel) ? at(panel).MinWidth : 0;
}

void ucStatusbar::setPanelMinWidth(std::int32_t panel, std::int32_t New_MinWidth) {
    if (valid(panel)) {
        at(panel).MinWidth = std::max(New_MinWidth, 0);
        layout();
    }
}

std::int32_t ucStatusbar::PanelWidth(std::int32_t panel) const {
    return valid(panel) ? at(panel).Width : 0;
}

void ucStatusbar::setPanelWidth(std::int32_t panel, std::int32_t New_Width) {
    if (valid(panel) && New_Width > at(panel).MinWidth) {
        at(panel).Width = New_Width;
        layout();
    }
}

std::int32_t ucStatusbar::PanelAutosize(std::int32_t panel) const {
    return valid(panel) ? at(panel).Autosize : 0;
}

void ucStatusbar::setPanelAutosize(std::int32_t panel, std::int32_t New_Autosize) {
    if (valid(panel)) {
        at(panel).Autosize = New_Autosize;
        layout();
    }
}

std::string ucStatusbar::PanelText(std::int32_t panel) const {
    return valid(panel) ? at(panel).Text : std::string();
}

void ucStatusbar::setPanelText(std::int32_t panel, std::string New_Text) {
    if (valid(panel)) {
        m_window.setText(m_statusWindow, part(panel) | static_cast<std::uint32_t>(at(panel).Style),
                         New_Text);
        at(panel).Text = std::move(New_Text);
        layout();
    }
}

std::string ucStatusbar::PanelTipText(std::int32_t panel) const {
    return valid(panel) ? at(panel).TipText : std::string();
}

void ucStatusbar::setPanelTipText(std::int32_t panel, std::string New_TipText) {
    if (valid(panel)) {
        m_window.setTipText(m_statusWindow, part(panel), New_TipText);
        at(panel).TipText = std::move(New_TipText);
    }
}

std::int32_t ucStatusbar::PanelIconIndex(std::int32_t panel) const {
    return valid(panel) ? at(panel).IconIndex : 0;
}

void ucStatusbar::setPanelIconIndex(std::int32_t panel, std::int32_t New_IconIndex) {
    if (!valid(panel)) {
        return;
    }
    Panel& record = at(panel);
    if (record.IconIndex != kNoIcon) {
        if (const IconHandle old = m_window.getIcon(m_statusWindow, part(panel)); old != 0) {
            m_window.destroyIcon(old);
        }
    }
    const IconHandle icon =
        m_imageList != 0 ? m_window.iconFromList(m_imageList, New_IconIndex, 0) : 0;
    m_window.setIcon(m_statusWindow, part(panel), icon);
    record.IconIndex = icon != 0 ? New_IconIndex : kNoIcon;
    layout();
}

void ucStatusbar::setEnabled(bool New_Enabled) {
    if (m_statusWindow != 0) {
        m_enabled = New_Enabled;
        m_window.enableControl(New_Enabled);
        m_window.enableWindow(m_statusWindow, New_Enabled);
    }
}

void ucStatusbar::setFont(std::shared_ptr<FontObject> New_Font) {
    takeFont(std::move(New_Font));
    if (m_statusWindow != 0) {
        applyFont();
    }
}

void ucStatusbar::layout() {
    if (m_panels.empty()) {
        return;
    }
    const bool grip = (m_window.windowStyle(m_statusWindow) & kSizeGripStyle) != 0;
    const std::int32_t available = m_window.innerWidth() - (grip ? kSizeGripWidth : 0);
    const FontObject& measuring = m_drawingFont ? *m_drawingFont : *m_oFont;

    std::int32_t taken = 0;
    std::int32_t springs = 0;
    for (Panel& panel : m_panels) {
        if (panel.Autosize == kFixed) {
            taken += panel.Width;
        } else if (panel.Autosize == kSpring) {
            ++springs;
        } else if (panel.Autosize == kContents) {
            panel.Width = kContentsPadding;
            if (!panel.Text.empty()) {
                panel.Width += roundHalfEven(m_window.textWidth(measuring, panel.Text));
            }
            if (panel.IconIndex != kNoIcon) {
                panel.Width += kIconWidth;
            }
            panel.Width = std::max(panel.Width, panel.MinWidth);
            taken += panel.Width;
        }
    }
    if (springs > 0) {
        for (Panel& panel : m_panels) {
            if (panel.Autosize == kSpring) {
                panel.Width = std::max((available - taken) / springs, panel.MinWidth);
            }
        }
    }
    std::vector<std::int32_t> edges;
    std::int32_t edge = 0;
    for (const Panel& panel : m_panels) {
        edge = std::min(edge + panel.Width, available);
        edges.push_back(edge);
    }
    if (m_panels.back().Autosize == kSpring) {
        edges.back() = available;
    }
    m_window.setParts(m_statusWindow, edges);
}

void ucStatusbar::destroyStatusWindow() {
    m_handlingMessages = false;
    if (m_fontHandle != 0) {
        m_window.deleteFont(m_fontHandle);
        m_fontHandle = 0;
    }
    destroyPanelIcons();
    m_window.destroyWindow(m_statusWindow);
    m_statusWindow = 0;
}

void ucStatusbar::destroyPanelIcons() {
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        const IconHandle icon = m_window.getIcon(m_statusWindow, static_cast<std::uint32_t>(i));
        if (icon != 0) {
            m_window.destroyIcon(icon);
        }
    }
}

void ucStatusbar::takeHeightFromFirstPart() {
    m_window.setHeight(m_window.getRect(m_statusWindow, 0).bottom);
}

void ucStatusbar::shown() {
    if (Resize) {
        Resize();
    }
}

void ucStatusbar::handleSize() {
    if (!m_handlingMessages) {
        return;
    }
    m_window.moveWindow(m_statusWindow, 0, 0, m_window.innerWidth(), m_window.innerHeight(), false);
    layout();
    if (Resize) {
        Resize();
    }
}

void ucStatusbar::handleNotify(WindowHandle from, std::int32_t code, std::int32_t item) {
    if (!m_handlingMessages || from != m_statusWindow) {
        return;
    }
    const std::int32_t panel = item + 1;
    if (code == kDblClick || code == kRDblClick) {
        if (PanelDblClick) {
            PanelDblClick(panel, code == kDblClick ? kLeft : kRight);
        }
        m_doubleClicked = true;
    } else if (code == kClick || code == kRClick) {
        const bool afterDoubleClick = std::exchange(m_doubleClicked, false);
        if (!afterDoubleClick && PanelClick) {
            PanelClick(panel, code == kClick ? kLeft : kRight);
        }
    }
}

void ucStatusbar::handleStatusFont() {
    if (m_handlingMessages) {
        takeHeightFromFirstPart();
    }
}

}  // namespace rennlupe::statusbar
