#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QSizeGrip;

namespace rennlupe::desktop {

// The status window proper: panels between right edges, each with a border,
// an icon and a text, a tip and click reports. Its height follows its font
// and not what it is given, as the common control's does.
class StatusPanels final : public QWidget {
    Q_OBJECT

public:
    static constexpr std::uint32_t kSizeGripStyle = 0x100;
    static constexpr std::uint32_t kToolTipsStyle = 0x800;
    static constexpr std::uint32_t kNoBorders = 0x100;
    static constexpr std::uint32_t kPopOut = 0x200;

    // (notification code, part)
    using Notify = std::function<void(std::int32_t, std::int32_t)>;

    StatusPanels(QWidget* parent, std::uint32_t style);

    std::uint32_t style() const noexcept { return m_style; }
    int naturalHeight() const;
    void place(int x, int y, int width);
    void setNotify(Notify notify) { m_notify = std::move(notify); }

    void setEdges(std::span<const std::int32_t> rightEdges);
    void setText(std::uint32_t part, std::uint32_t borderStyle, const QString& text);
    void setTipText(std::uint32_t part, const QString& text);
    void setIcon(std::uint32_t part, std::intptr_t handle, const QIcon& icon);
    std::intptr_t icon(std::uint32_t part) const;
    std::size_t partCount() const noexcept { return m_parts.size(); }
    // Empty for a part that does not exist.
    QRect partRect(std::uint32_t part) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Part {
        std::int32_t rightEdge = 0;
        std::uint32_t borderStyle = 0;
        QString text;
        QString tip;
        std::intptr_t iconHandle = 0;
        QIcon icon;
    };

    // Where a part's text goes, right of its icon, and whether the text is wider.
    QRect textRect(const Part& part, const QRect& rect) const;
    bool cutShort(const Part& part, const QRect& rect) const;
    int partAt(int x) const;
    void notify(QMouseEvent* event, std::int32_t leftCode, std::int32_t rightCode);
    void paintPart(QPainter& painter, const Part& part, const QRect& rect) const;
    void placeGrip();

    std::uint32_t m_style;
    std::vector<Part> m_parts;
    QSizeGrip* m_grip = nullptr;
    Notify m_notify;
};

}  // namespace rennlupe::desktop
