#include "desktop/OverlayWindow.h"

#include "platform/eventloop/fenced.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRect>
#include <QScreen>

#include <utility>

namespace rennlupe::desktop {

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
    m_restackTimer.setSingleShot(true);
    QObject::connect(&m_restackTimer, &QTimer::timeout, this,
                     [this] { platform::fenced("raising the overlay", [this] { restack(); }); });
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
    // Left out when invisible: without a compositor its pixels would show black.
    OutlinedGlyphs::Drawn drawn =
        m_text && m_text->colour.alpha() != 0
            ? m_glyphs.draw(m_text->text, m_text->topLeft, m_text->colour, m_text->pixelSize)
            : OutlinedGlyphs::Drawn();
    m_textImage = std::move(drawn.image);
    m_textTopLeft = drawn.topLeft;
    m_textShape = std::move(drawn.shape);
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
        if (m_pictureShown) {
            painter.drawImage(m_pictureTopLeft, m_picture);
        }
        if (!m_textImage.isNull()) {
            painter.drawImage(m_textTopLeft, m_textImage);
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
// socket handler that must not be entered again from inside itself. At most once
// a kRestackPause: each raise waits for a round trip to the window system.
void OverlayWindow::scheduleRestack() {
    if (m_restackTimer.isActive()) {
        return;
    }
    const auto since = std::chrono::milliseconds(m_sinceRestack.isValid() ? m_sinceRestack.elapsed()
                                                                          : kRestackPause.count());
    m_restackTimer.start(since >= kRestackPause ? std::chrono::milliseconds(0)
                                                : kRestackPause - since);
}

// Without a window manager nothing keeps the window on top: raise it after
// each change and send that at once, since the raise alone waits in a queue.
void OverlayWindow::restack() {
    if (m_restacking) {
        m_restackAgain = true;
        return;
    }
    if (!isVisible()) {
        return;
    }
    m_restacking = true;
    m_sinceRestack.start();
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
