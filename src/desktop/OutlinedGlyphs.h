#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

namespace rennlupe::desktop {

// Text in bold, outlined in black, put together from copies of characters each
// drawn once per size and colour: the gap lines change several times a second,
// and outlining their curves anew each time would cost more than all the rest.
class OutlinedGlyphs {
public:
    struct Drawn {
        QImage image;
        QPoint topLeft;  // of the image, in the text's coordinates
        QRegion shape;   // every pixel the drawing touches, faint edges too
    };

    // Lines separated by a carriage return alone, the first line's top left at topLeft.
    Drawn draw(const QString& text, QPoint topLeft, const QColor& colour, int pixelSize);

private:
    struct Glyph {
        QImage outline;
        QImage fill;
        QPoint offset;  // of both images from the pen position on the baseline
        qreal advance = 0;
    };

    const Glyph& glyph(QChar character);

    static constexpr qsizetype kMostKept = 512;

    QColor m_colour;
    int m_pixelSize = -1;
    QHash<char16_t, Glyph> m_glyphs;
};

}  // namespace rennlupe::desktop
