#include "desktop/QtStatusWindow.h"

#include "desktop/toQString.h"
#include "platform/eventloop/fenced.h"

#include "desktop/StatusPanels.h"
#include "statusbar/ucStatusbar.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLayout>
#include <QString>

#include <algorithm>

namespace rennlupe::desktop {

namespace {

constexpr std::uint32_t kPartMask = 0xFF;  // the style's bits lie above the part number
constexpr std::int32_t kBoldWeight = 700;
constexpr std::int32_t kNoIndex = -1;

QString faceName(const statusbar::FontDescription& description) {
    const auto& field = description.faceName;
    const auto end = std::find(field.begin(), field.end(), '\0');
    return toQString(std::string_view(field.data(), static_cast<std::size_t>(end - field.begin())));
}

}  // namespace

QtStatusWindow::QtStatusWindow(QWidget* host) : QWidget(host), m_host(host) {}

QtStatusWindow::~QtStatusWindow() {
    m_bar = nullptr;
    if (m_host) {
        m_host->removeEventFilter(this);
    }
}

template <typename Report>
void QtStatusWindow::report(const char* what, Report&& call) noexcept {
    if (m_bar == nullptr) {
        return;
    }
    platform::fenced(std::string("the status bar on ") + what, [this, &call] { call(*m_bar); });
}

statusbar::IconHandle QtStatusWindow::registerIcon(const QIcon& icon) {
    const statusbar::IconHandle handle = nextHandle();
    m_icons.emplace(handle, icon);
    return handle;
}

statusbar::IconHandle QtStatusWindow::registerIcon(const QPixmap& pixmap) {
    return registerIcon(QIcon(pixmap));
}

statusbar::ModuleHandle QtStatusWindow::loadLibrary(std::string_view) {
    const statusbar::ModuleHandle module = nextHandle();
    m_modules.insert(module);
    return module;
}

void QtStatusWindow::freeLibrary(statusbar::ModuleHandle module) {
    if (m_modules.erase(module) != 0 && m_modules.empty()) {
        detach();
    }
}

void QtStatusWindow::setHeight(std::int32_t pixels) {
    setFixedHeight(std::max(pixels, 0));
    if (m_docked) {
        placeAtBottom();
    }
}

void QtStatusWindow::dockToBottom() {
    if (!m_docked && m_host) {
        m_host->installEventFilter(this);
    }
    m_docked = true;
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    placeAtBottom();
    raise();
    // Part of the host from now on: shown with it, unless someone hid it on purpose.
    if (!testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        show();
    }
}

bool QtStatusWindow::inHostLayout() const {
    return m_host && m_host->layout() != nullptr && m_host->layout()->indexOf(this) >= 0;
}

void QtStatusWindow::placeAtBottom() {
    if (!m_host || inHostLayout()) {
        return;
    }
    setGeometry(0, m_host->height() - height(), m_host->width(), height());
}

bool QtStatusWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_docked && watched == m_host && event->type() == QEvent::Resize) {
        placeAtBottom();
    }
    return QWidget::eventFilter(watched, event);
}

void QtStatusWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    report("show", [](statusbar::ucStatusbar& bar) { bar.shown(); });
}

// The status window spans its parent by itself, as the common control does.
void QtStatusWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_panels != nullptr) {
        m_panels->place(0, 0, width());
    }
    report("resize", [](statusbar::ucStatusbar& bar) { bar.handleSize(); });
}

double QtStatusWindow::textWidth(const statusbar::FontObject& font, std::string_view text) const {
    QFont measured(toQString(font.Name()));
    if (font.Size() > 0) {
        measured.setPointSizeF(font.Size());
    }
    measured.setBold(font.Bold());
    measured.setItalic(font.Italic());
    measured.setUnderline(font.Underline());
    measured.setStrikeOut(font.Strikethrough());
    return QFontMetricsF(measured, this).horizontalAdvance(toQString(text));
}

StatusPanels* QtStatusWindow::panels(statusbar::WindowHandle window) const {
    return window != 0 && window == m_panelsHandle ? m_panels : nullptr;
}

statusbar::WindowHandle QtStatusWindow::createWindow(std::string_view, std::uint32_t style,
                                                     std::int32_t width, std::int32_t) {
    if (m_panels != nullptr) {
        destroyWindow(m_panelsHandle);
    }
    m_panels = new StatusPanels(this, style);
    m_panels->hide();
    m_panels->place(0, 0, width);
    m_panelsHandle = nextHandle();
    const statusbar::WindowHandle handle = m_panelsHandle;
    m_panels->setNotify([this, handle](std::int32_t code, std::int32_t part) {
        report("a click",
               [&](statusbar::ucStatusbar& bar) { bar.handleNotify(handle, code, part); });
    });
    return handle;
}

// Deleted later: the bar may rebuild from inside the window's own click.
void QtStatusWindow::destroyWindow(statusbar::WindowHandle window) {
    if (StatusPanels* gone = panels(window)) {
        gone->setNotify({});
        gone->hide();
        gone->deleteLater();
        m_panels = nullptr;
        m_panelsHandle = 0;
    }
}

std::uint32_t QtStatusWindow::windowStyle(statusbar::WindowHandle window) const {
    const StatusPanels* target = panels(window);
    return target != nullptr ? target->style() : 0;
}

void QtStatusWindow::showWindow(statusbar::WindowHandle window) {
    if (StatusPanels* target = panels(window)) {
        target->show();
    }
}

void QtStatusWindow::moveWindow(statusbar::WindowHandle window, std::int32_t x, std::int32_t y,
                                std::int32_t width, std::int32_t, bool repaint) {
    if (StatusPanels* target = panels(window)) {
        target->place(x, y, width);
        if (repaint) {
            target->update();
        }
    }
}

void QtStatusWindow::enableWindow(statusbar::WindowHandle window, bool enabled) {
    if (StatusPanels* target = panels(window)) {
        target->setEnabled(enabled);
    }
}

void QtStatusWindow::setText(statusbar::WindowHandle window, std::uint32_t partAndStyle,
                             std::string_view text) {
    if (StatusPanels* target = panels(window)) {
        target->setText(partAndStyle & kPartMask, partAndStyle & ~kPartMask, toQString(text));
    }
}

void QtStatusWindow::setParts(statusbar::WindowHandle window,
                              std::span<const std::int32_t> rightEdges) {
    if (StatusPanels* target = panels(window)) {
        target->setEdges(rightEdges);
    }
}

statusbar::PanelRect QtStatusWindow::getRect(statusbar::WindowHandle window, std::uint32_t part) {
    const StatusPanels* target = panels(window);
    if (target == nullptr || part >= target->partCount()) {
        return {};
    }
    const QRect rect = target->partRect(part);
    return {rect.left(), 0, rect.left() + rect.width(), target->height()};
}

void QtStatusWindow::setIcon(statusbar::WindowHandle window, std::uint32_t part,
                             statusbar::IconHandle icon) {
    if (StatusPanels* target = panels(window)) {
        const auto found = m_icons.find(icon);
        target->setIcon(part, icon, found != m_icons.end() ? found->second : QIcon());
    }
}

void QtStatusWindow::setTipText(statusbar::WindowHandle window, std::uint32_t part,
                                std::string_view text) {
    if (StatusPanels* target = panels(window)) {
        target->setTipText(part, toQString(text));
    }
}

statusbar::IconHandle QtStatusWindow::getIcon(statusbar::WindowHandle window, std::uint32_t part) {
    const StatusPanels* target = panels(window);
    return target != nullptr ? target->icon(part) : 0;
}

// A handle that names no font gives the panels their inherited font back.
void QtStatusWindow::setFont(statusbar::WindowHandle window, statusbar::FontHandle font,
                             bool redraw) {
    StatusPanels* target = panels(window);
    if (target == nullptr) {
        return;
    }
    const auto found = m_fonts.find(font);
    target->QWidget::setFont(found != m_fonts.end() ? found->second : QFont());
    if (redraw) {
        target->update();
    }
    report("a new font", [](statusbar::ucStatusbar& bar) { bar.handleStatusFont(); });
}

statusbar::FontHandle QtStatusWindow::createFont(const statusbar::FontDescription& description) {
    const QString name = faceName(description);
    QFont font = name.isEmpty() ? QFont() : QFont(name);
    if (description.height < 0) {
        font.setPixelSize(-description.height);
    } else if (description.height > 0) {
        font.setPixelSize(description.height);
    }
    font.setWeight(description.weight >= kBoldWeight ? QFont::Bold : QFont::Normal);
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    const statusbar::FontHandle handle = nextHandle();
    m_fonts.emplace(handle, font);
    return handle;
}

void QtStatusWindow::deleteFont(statusbar::FontHandle font) {
    m_fonts.erase(font);
}

statusbar::ImageListHandle QtStatusWindow::createImageList(std::int32_t width, std::int32_t height,
                                                           std::uint32_t, std::int32_t,
                                                           std::int32_t) {
    if (width <= 0 || height <= 0) {
        return 0;
    }
    const statusbar::ImageListHandle handle = nextHandle();
    m_imageLists.emplace(handle, ImageList{QSize(width, height), {}});
    return handle;
}

void QtStatusWindow::destroyImageList(statusbar::ImageListHandle list) {
    m_imageLists.erase(list);
}

std::int32_t QtStatusWindow::addIcon(statusbar::ImageListHandle list, statusbar::IconHandle icon) {
    const auto found = m_imageLists.find(list);
    const auto source = m_icons.find(icon);
    if (found == m_imageLists.end() || source == m_icons.end() || source->second.isNull()) {
        return kNoIndex;
    }
    ImageList& images = found->second;
    QPixmap copy = source->second.pixmap(images.size);
    if (copy.size() != images.size) {
        copy = copy.scaled(images.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    images.images.push_back(copy);
    return static_cast<std::int32_t>(images.images.size() - 1);
}

statusbar::IconHandle QtStatusWindow::iconFromList(statusbar::ImageListHandle list,
                                                   std::int32_t index, std::uint32_t) {
    const auto found = m_imageLists.find(list);
    if (found == m_imageLists.end() || index < 0 ||
        static_cast<std::size_t>(index) >= found->second.images.size()) {
        return 0;
    }
    return registerIcon(found->second.images[static_cast<std::size_t>(index)]);
}

void QtStatusWindow::destroyIcon(statusbar::IconHandle icon) {
    m_icons.erase(icon);
}

}  // namespace rennlupe::desktop
