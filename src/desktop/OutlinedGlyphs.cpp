#include "desktop/OutlinedGlyphs.h"

#include <QBitmap>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRect>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace rennlupe::desktop {

namespace {

constexpr QChar kLineBreak{13};

QFont boldFont(int pixelSize) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

qreal outlineOf(int pixelSize) {
    return std::max<qreal>(1, pixelSize / 14.0);
}

QImage transparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The colour of a line and where its text begins: the game's codes are not drawn.
std::pair<QColor, qsizetype> colourOf(const QString& line, const QColor& colour) {
    if (line.size() >= 2 && line[0] == u'^' && (line[1] == u'1' || line[1] == u'2')) {
        QColor coded = line[1] == u'1' ? QColor(255, 0, 0) : QColor(0, 255, 0);
        coded.setAlpha(colour.alpha());
        return {coded, 2};
    }
    return {colour, 0};
}

}  // namespace

const OutlinedGlyphs::Glyph& OutlinedGlyphs::glyph(QChar character, const QColor& colour) {
    const quint64 key = (quint64{colour.rgba()} << 16U) | character.unicode();
    if (const auto found = m_glyphs.constFind(key); found != m_glyphs.cend()) {
        return *found;
    }
    if (m_glyphs.size() >= kMostKept) {
        m_glyphs.clear();
    }
    const QFont font = boldFont(m_pixelSize);
    const qreal outline = outlineOf(m_pixelSize);
    QPainterPath path;
    path.addText(QPointF(0, 0), font, QString(character));
    Glyph made;
    made.advance = QFontMetricsF(font).horizontalAdvance(character);
    const qreal reach = outline + 1;
    const QRect bounds = path.boundingRect().adjusted(-reach, -reach, reach, reach).toAlignedRect();
    if (!path.isEmpty() && !bounds.isEmpty()) {
        made.offset = bounds.topLeft();
        made.outline = transparentImage(bounds.size());
        made.fill = transparentImage(bounds.size());
        QColor dark(Qt::black);
        dark.setAlpha(colour.alpha());
        path.translate(-bounds.topLeft());
        QPainter outlinePainter(&made.outline);
        outlinePainter.setRenderHint(QPainter::Antialiasing);
        outlinePainter.strokePath(
            path, QPen(dark, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        outlinePainter.end();
        QPainter fillPainter(&made.fill);
        fillPainter.setRenderHint(QPainter::Antialiasing);
        fillPainter.fillPath(path, colour);
    }
    return *m_glyphs.insert(key, made);
}

OutlinedGlyphs::Drawn OutlinedGlyphs::draw(const QString& text, QPoint topLeft,
                                           const QColor& colour, int pixelSize) {
    if (pixelSize != m_pixelSize) {
        m_glyphs.clear();
        m_pixelSize = pixelSize;
    }
    struct Placed {
        const Glyph* glyph;
        QPoint at;
    };
    std::vector<Placed> placed;
    QRect bounds;
    const QFontMetricsF metrics(boldFont(pixelSize));
    qreal baseline = topLeft.y() + metrics.ascent();
    for (const QString& line : text.split(kLineBreak)) {
        qreal pen = topLeft.x();
        const auto [lineColour, start] = colourOf(line, colour);
        for (const QChar character : QStringView(line).sliced(start)) {
            const Glyph& one = glyph(character, lineColour);
            if (!one.fill.isNull()) {
                const QPoint at = QPoint(static_cast<int>(std::lround(pen)),
                                         static_cast<int>(std::lround(baseline))) +
                                  one.offset;
                placed.push_back({&one, at});
                bounds |= QRect(at, one.fill.size());
            }
            pen += one.advance;
        }
        baseline += metrics.lineSpacing();
    }
    if (bounds.isEmpty()) {
        return {};
    }
    // Every outline first, then every fill: no outline covers a neighbour's letter.
    QImage image = transparentImage(bounds.size());
    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    for (const Placed& one : placed) {
        painter.drawImage(one.at, one.glyph->outline);
    }
    for (const Placed& one : placed) {
        painter.drawImage(one.at, one.glyph->fill);
    }
    painter.end();
    // The mask image marks the untouched pixels in white; as a bitmap, its black is the rest.
    const QBitmap touched =
        QBitmap::fromImage(image.createMaskFromColor(qRgba(0, 0, 0, 0), Qt::MaskInColor));
    return {image, bounds.topLeft(), QRegion(touched).translated(bounds.topLeft())};
}

}  // namespace rennlupe::desktop
