#pragma once

#include "desktop/OutlinedGlyphs.h"

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>

class QPaintEvent;

namespace rennlupe::desktop {

// A click-through window over the whole screen that shows the text block and
// the picture. Its shape is what it draws, so it needs no compositor: a plain
// translucent window would show as a black rectangle without one. The text is
// drawn at most once a textPause: the gaps change with every position set.
class OverlayWindow final : public QWidget {
public:
    struct TextBlock {
        QPoint topLeft;  // screen pixels
        QString text;    // lines separated by a carriage return alone
        QColor colour;
        int pixelSize = 0;

        bool operator==(const TextBlock&) const = default;
    };

    static constexpr std::chrono::milliseconds kTextPause{200};
    static constexpr std::chrono::milliseconds kRestackPause{1000};

    explicit OverlayWindow(std::chrono::milliseconds textPause = kTextPause);

    void showText(const TextBlock& block);
    void hideText();
    void showPicture(const QImage& picture, QPoint topLeft);
    void hidePicture();

    // The size of the screen the window is on; empty when there is none.
    QSize screenSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void textWanted();
    void drawWantedText();
    void refresh();
    void scheduleRestack();
    void restack();

    std::optional<TextBlock> m_wantedText;
    std::chrono::milliseconds m_textPause;
    QElapsedTimer m_sinceTextDrawn;
    QTimer m_textTimer;
    std::optional<TextBlock> m_text;
    OutlinedGlyphs m_glyphs;
    QImage m_textImage;  // drawn once per text; painting only copies it
    QPoint m_textTopLeft;
    QRegion m_textShape;
    QImage m_picture;
    QPoint m_pictureTopLeft;
    bool m_pictureShown = false;
    QRegion m_shape;
    QTimer m_restackTimer;
    QElapsedTimer m_sinceRestack;
    bool m_restacking = false;
    bool m_restackAgain = false;
};

}  // namespace rennlupe::desktop
