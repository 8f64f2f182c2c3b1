#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

namespace rennlupe::desktop {

// Bold text outlined in black, from characters each drawn once per size and colour (the gap
// lines change several times a second; outlining them anew would cost more than the rest).
// A line beginning with the game's "^1" is drawn red, with "^2" green, the code left out.
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

    const Glyph& glyph(QChar character, const QColor& colour);

    static constexpr qsizetype kMostKept = 512;

    int m_pixelSize = -1;
    QHash<quint64, Glyph> m_glyphs;  // by colour and character
};

}  // namespace rennlupe::desktop
