#include "desktop/OverlayWindow.h"

#include "platform/eventloop/fenced.h"

#include <QBitmap>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace rennlupe::desktop {

namespace {

constexpr QChar kLineBreak{13};

QPainterPath textPath(const OverlayWindow::TextBlock& block) {
    QFont font;
    font.setPixelSize(block.pixelSize);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    QPainterPath path;
    qreal baseline = block.topLeft.y() + metrics.ascent();
    for (const QString& line : block.text.split(kLineBreak)) {
        path.addText(QPointF(block.topLeft.x(), baseline), font, line);
        baseline += metrics.lineSpacing();
    }
    return path;
}

QPen outlinePen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The pixels the path covers when filled and stroked with the outline, one
// pixel more all round so that the smoothed edges are not cut off.
QRegion regionOf(const QPainterPath& path, qreal outline) {
    const qreal reach = outline + 1;
    const QRect bounds = path.boundingRect().adjusted(-reach, -reach, reach, reach).toAlignedRect();
    if (path.isEmpty() || bounds.isEmpty()) {
        return {};
    }
    QBitmap bitmap(bounds.size());
    bitmap.fill(Qt::color0);
    QPainter painter(&bitmap);
    painter.translate(-bounds.topLeft());
    painter.setPen(outlinePen(Qt::color1, 2 * reach));
    painter.setBrush(Qt::color1);
    painter.drawPath(path);
    painter.end();
    return QRegion(bitmap).translated(bounds.topLeft());
}

}  // namespace

OverlayWindow::OverlayWindow(std::chrono::milliseconds textPause)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_textPause(textPause) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_textTimer.setSingleShot(true);
    QObject::connect(&m_textTimer, &QTimer::timeout, this, [this] {
        platform::fenced("drawing the overlay's text", [this] { drawWantedText(); });
    });
}

void OverlayWindow::showText(const TextBlock& block) {
    if (m_wantedText == block) {
        return;
    }
    m_wantedText = block;
    textWanted();
}

void OverlayWindow::hideText() {
    if (!m_wantedText) {
        return;
    }
    m_wantedText.reset();
    textWanted();
}

// Now when the last drawing is a pause ago, else once the pause is over.
void OverlayWindow::textWanted() {
    if (m_textTimer.isActive()) {
        return;
    }
    const auto since = std::chrono::milliseconds(
        m_sinceTextDrawn.isValid() ? m_sinceTextDrawn.elapsed() : m_textPause.count());
    if (since >= m_textPause) {
        drawWantedText();
    } else {
        m_textTimer.start(m_textPause - since);
    }
}

void OverlayWindow::drawWantedText() {
    m_textTimer.stop();
    m_sinceTextDrawn.start();
    if (m_text == m_wantedText) {
        return;
    }
    m_text = m_wantedText;
    if (m_text) {
        m_outline = std::max<qreal>(1, m_text->pixelSize / 14.0);
    }
    // Left out when invisible: without a compositor its pixels would show black.
    m_textPath = m_text && m_text->colour.alpha() != 0 ? textPath(*m_text) : QPainterPath();
    m_textShape = regionOf(m_textPath, m_outline);
    refresh();
}

void OverlayWindow::showPicture(const QImage& picture, QPoint topLeft) {
    if (m_pictureShown && m_pictureTopLeft == topLeft && m_picture == picture) {
        return;
    }
    m_picture = picture;
    m_pictureTopLeft = topLeft;
    m_pictureShown = !picture.isNull();
    refresh();
}

void OverlayWindow::hidePicture() {
    if (!m_pictureShown) {
        return;
    }
    m_pictureShown = false;
    m_picture = QImage();
    refresh();
}

QSize OverlayWindow::screenSize() const {
    const QScreen* on = screen();
    return on != nullptr ? on->geometry().size() : QSize();
}

void OverlayWindow::paintEvent(QPaintEvent*) {
    platform::fenced("the overlay's painting", [this] {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_pictureShown) {
            painter.drawImage(m_pictureTopLeft, m_picture);
        }
        if (m_text) {
            QColor dark(Qt::black);
            dark.setAlpha(m_text->colour.alpha());
            painter.strokePath(m_textPath, outlinePen(dark, 2 * m_outline));
            painter.fillPath(m_textPath, m_text->colour);
        }
    });
}

void OverlayWindow::refresh() {
    QRegion shape = m_textShape;
    if (m_pictureShown) {
        shape += QRect(m_pictureTopLeft, m_picture.size());
    }
    const QRegion dirty = shape.united(m_shape);
    m_shape = shape;
    if (shape.isEmpty()) {
        hide();  // an empty mask would mean no mask at all
        return;
    }
    if (const QScreen* on = screen()) {
        setGeometry(on->geometry());
    }
    setMask(shape);
    show();
    update(dirty);
    scheduleRestack();
}

// Later, not now: the flush runs Qt's pending events, and the caller may be a
// socket handler that must not be entered again from inside itself.
void OverlayWindow::scheduleRestack() {
    if (m_restackPending) {
        return;
    }
    m_restackPending = true;
    QMetaObject::invokeMethod(
        this, [this] { platform::fenced("raising the overlay", [this] { restack(); }); },
        Qt::QueuedConnection);
}

// Without a window manager nothing keeps the window on top: raise it after
// each change and send that at once, since the raise alone waits in a queue.
void OverlayWindow::restack() {
    m_restackPending = false;
    if (m_restacking) {
        m_restackAgain = true;
        return;
    }
    if (!isVisible()) {
        return;
    }
    m_restacking = true;
    try {
        raise();
        QGuiApplication::sync();
    } catch (...) {
        m_restacking = false;
        throw;
    }
    m_restacking = false;
    if (m_restackAgain) {
        m_restackAgain = false;
        scheduleRestack();
    }
}

}  // namespace rennlupe::desktop
