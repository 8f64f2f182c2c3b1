#include "desktop/StatusPanels.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QToolTip>

#include <algorithm>

namespace rennlupe::desktop {

namespace {

constexpr int kMinimumHeight = 20;
constexpr int kVerticalMargin = 3;
constexpr int kTextIndent = 3;
constexpr int kIconGap = 3;
constexpr std::int32_t kToTheEnd = -1;  // a right edge of -1 reaches the window's end
constexpr std::int32_t kClick = -2;
constexpr std::int32_t kDblClick = -3;
constexpr std::int32_t kRClick = -5;
constexpr std::int32_t kRDblClick = -6;

// Inside a part's border: where its icon and its text go.
QRect insideOf(const QRect& rect) {
    return rect.adjusted(kTextIndent, 1, -2, -1);
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent, std::uint32_t style)
    : QWidget(parent), m_style(style), m_parts(1) {
    m_parts.front().rightEdge = kToTheEnd;
    setAutoFillBackground(true);
    if ((style & kSizeGripStyle) != 0) {
        m_grip = new QSizeGrip(this);
    }
}

int StatusPanels::naturalHeight() const {
    return std::max(kMinimumHeight, fontMetrics().height() + 2 * kVerticalMargin);
}

void StatusPanels::place(int x, int y, int width) {
    setGeometry(x, y, std::max(width, 0), naturalHeight());
}

void StatusPanels::setEdges(std::span<const std::int32_t> rightEdges) {
    m_parts.resize(rightEdges.size());
    for (std::size_t i = 0; i < rightEdges.size(); ++i) {
        m_parts[i].rightEdge = rightEdges[i];
    }
    update();
}

void StatusPanels::setText(std::uint32_t part, std::uint32_t borderStyle, const QString& text) {
    if (part < m_parts.size()) {
        m_parts[part].borderStyle = borderStyle;
        m_parts[part].text = text;
        update();
    }
}

void StatusPanels::setTipText(std::uint32_t part, const QString& text) {
    if (part < m_parts.size()) {
        m_parts[part].tip = text;
    }
}

void StatusPanels::setIcon(std::uint32_t part, std::intptr_t handle, const QIcon& icon) {
    if (part < m_parts.size()) {
        m_parts[part].iconHandle = handle;
        m_parts[part].icon = icon;
        update();
    }
}

std::intptr_t StatusPanels::icon(std::uint32_t part) const {
    return part < m_parts.size() ? m_parts[part].iconHandle : 0;
}

QRect StatusPanels::partRect(std::uint32_t part) const {
    if (part >= m_parts.size()) {
        return {};
    }
    const auto edge = [this](std::size_t index) {
        const std::int32_t right = m_parts[index].rightEdge;
        return right == kToTheEnd ? width() : right;
    };
    const int left = part == 0 ? 0 : edge(part - 1);
    return QRect(QPoint(left, 0), QPoint(edge(part) - 1, height() - 1));
}

int StatusPanels::partAt(int x) const {
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const QRect rect = partRect(static_cast<std::uint32_t>(i));
        if (x >= rect.left() && x <= rect.right()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool StatusPanels::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const int part = (m_style & kToolTipsStyle) != 0 ? partAt(help->pos().x()) : -1;
    // A panel's own tip, or else its whole text when the panel cuts it short.
    const auto index = static_cast<std::uint32_t>(part);
    const QString tip = part < 0                                    ? QString()
                        : !m_parts[index].tip.isEmpty()             ? m_parts[index].tip
                        : cutShort(m_parts[index], partRect(index)) ? m_parts[index].text
                                                                    : QString();
    if (!tip.isEmpty()) {
        QToolTip::showText(help->globalPos(), tip, this, partRect(index));
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}

void StatusPanels::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const QRect rect = partRect(static_cast<std::uint32_t>(i));
        if (rect.width() > 0) {
            paintPart(painter, m_parts[i], rect);
        }
    }
}

QRect StatusPanels::textRect(const Part& part, const QRect& rect) const {
    QRect content = insideOf(rect);
    if (!part.icon.isNull()) {
        const QSize size = part.icon.actualSize(QSize(content.height(), content.height()));
        content.setLeft(content.left() + size.width() + kIconGap);
    }
    return content;
}

bool StatusPanels::cutShort(const Part& part, const QRect& rect) const {
    return fontMetrics().horizontalAdvance(part.text) > textRect(part, rect).width();
}

void StatusPanels::paintPart(QPainter& painter, const Part& part, const QRect& rect) const {
    if ((part.borderStyle & kNoBorders) == 0) {
        qDrawShadePanel(&painter, rect, palette(), (part.borderStyle & kPopOut) == 0, 1);
    }
    const QRect inside = insideOf(rect);
    const QRect content = textRect(part, rect);
    painter.save();
    painter.setClipRect(inside);
    if (!part.icon.isNull()) {
        const QSize size = part.icon.actualSize(QSize(inside.height(), inside.height()));
        const QPoint at(inside.left(), inside.top() + (inside.height() - size.height()) / 2);
        painter.drawPixmap(at, part.icon.pixmap(size));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const QString shown =
        painter.fontMetrics().elidedText(part.text, Qt::ElideRight, content.width());
    painter.drawText(content, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

void StatusPanels::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeGrip();
}

void StatusPanels::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && height() != naturalHeight()) {
        resize(width(), naturalHeight());
    }
}

void StatusPanels::placeGrip() {
    if (m_grip != nullptr) {
        const QSize size = m_grip->sizeHint();
        m_grip->setGeometry(width() - size.width(), height() - size.height(), size.width(),
                            size.height());
    }
}

void StatusPanels::notify(QMouseEvent* event, std::int32_t leftCode, std::int32_t rightCode) {
    event->accept();
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    const int part =
        rect().contains(event->position().toPoint()) ? partAt(event->position().toPoint().x()) : -1;
    if (part >= 0 && m_notify) {
        m_notify(button == Qt::LeftButton ? leftCode : rightCode, part);
    }
}

// Taken here, as the control takes it: the host sees no press of its own.
void StatusPanels::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void StatusPanels::mouseReleaseEvent(QMouseEvent* event) {
    notify(event, kClick, kRClick);
}

void StatusPanels::mouseDoubleClickEvent(QMouseEvent* event) {
    notify(event, kDblClick, kRDblClick);
}

}  // namespace rennlupe::desktop
