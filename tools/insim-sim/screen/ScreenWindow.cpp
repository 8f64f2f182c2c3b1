#include "insim-sim/screen/ScreenWindow.h"

#include "insim-sim/CircleTrack.h"
#include "insim-sim/colourRuns.h"
#include "insim10/ButtonStyle.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <utility>

namespace rennlupe::tools {
namespace {

constexpr double kGrid = 200.0;
constexpr double kTrackShare = 0.9;  // of the window's shorter side
const QColor kBackground(42, 51, 64);

// Bits 0-2 of BStyle: light grey, title, unselected, selected, ok, cancel, text, unavailable.
const std::array<QColor, 8> kStyleColours = {
    QColor(200, 200, 200), QColor(255, 224, 64), QColor(0, 0, 0),       QColor(255, 255, 255),
    QColor(64, 224, 64),   QColor(224, 64, 64),  QColor(160, 200, 255), QColor(128, 128, 128)};
// ^0 black, ^1 red, ^2 green, ^3 yellow, ^4 blue, ^5 violet, ^6 cyan, ^7 white, ^8 default.
const std::array<QColor, 9> kCodeColours = {
    QColor(0, 0, 0),      QColor(255, 32, 32),   QColor(32, 255, 32),
    QColor(255, 255, 32), QColor(64, 64, 255),   QColor(255, 32, 255),
    QColor(32, 255, 255), QColor(255, 255, 255), QColor(200, 200, 200)};

QPointF worldPoint(double progress) {
    const insim10::CompCar car = CircleTrack::place(progress, 0.0);
    return {car.X / 65536.0, car.Y / 65536.0};
}

// ^0 to ^8 as 0 to 8, ColourRun::kStyleColour as the style's own colour.
QColor textColour(int code, std::uint8_t style) {
    if (code >= 0 && code < static_cast<int>(kCodeColours.size())) {
        return kCodeColours.at(static_cast<std::size_t>(code));
    }
    return kStyleColours.at(style & 7U);
}

}  // namespace

ScreenWindow::ScreenWindow(const ButtonBoard& board, const ModernRaceSimulation& race,
                           std::function<void()> shiftB, std::function<void(std::uint8_t)> click)
    : m_board(board), m_race(race), m_shiftB(std::move(shiftB)), m_click(std::move(click)) {
    setWindowTitle(QStringLiteral("insim-sim screen"));
    setFocusPolicy(Qt::StrongFocus);
}

void ScreenWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);
    drawTrack(painter);
    for (std::size_t id = 0; id < ButtonBoard::kButtons; ++id) {
        if (const auto& button = m_board.at(id)) {
            drawButton(painter, *button);
        }
    }
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_B && (event->modifiers() & Qt::ShiftModifier) != 0) {
        m_shiftB();
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The topmost (last drawn) clickable button under the pointer, on the game's grid.
void ScreenWindow::mousePressEvent(QMouseEvent* event) {
    const double x = event->position().x() * kGrid / width();
    const double y = event->position().y() * kGrid / height();
    for (std::size_t id = ButtonBoard::kButtons; id-- > 0;) {
        const auto& button = m_board.at(id);
        if (button && !m_board.userCleared() && (button->style & insim10::kIsbClick) != 0 &&
            x >= button->l && x < button->l + button->w && y >= button->t &&
            y < button->t + button->h) {
            m_click(static_cast<std::uint8_t>(id));
            update();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void ScreenWindow::drawTrack(QPainter& painter) const {
    // The circle's nodes give its extent; game Y points up, the window's down.
    QPainterPath path;
    QRectF extent;
    for (int node = 0; node <= CircleTrack::kNumNodes; ++node) {
        const QPointF point = worldPoint(node);
        node == 0 ? path.moveTo(point) : path.lineTo(point);
        extent = extent.united(QRectF(point, QSizeF(0.001, 0.001)));
    }
    const double scale =
        kTrackShare * std::min(width(), height()) / std::max(extent.width(), extent.height());
    QTransform toWindow;
    toWindow.translate(width() / 2.0, height() / 2.0);
    toWindow.scale(scale, -scale);
    toWindow.translate(-extent.center().x(), -extent.center().y());
    painter.setPen(QPen(QColor(110, 118, 128), 6));
    painter.drawPath(toWindow.map(path));
    painter.setPen(Qt::NoPen);
    for (const std::uint8_t plid : m_race.onTrack()) {
        const QPointF at = toWindow.map(worldPoint(m_race.progress(plid)));
        if (plid == m_race.viewed()) {
            painter.setPen(QPen(QColor(255, 255, 255), 2));
            painter.drawEllipse(at, 9, 9);
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(QColor(120, 190, 255));
        painter.drawEllipse(at, 5, 5);
    }
}

void ScreenWindow::drawButton(QPainter& painter, const ButtonBoard::Button& button) const {
    const QRectF box(button.l * width() / kGrid, button.t * height() / kGrid,
                     button.w * width() / kGrid, button.h * height() / kGrid);
    const QColor fill = (button.style & insim10::kIsbDark) != 0    ? QColor(0, 0, 0, 190)
                        : (button.style & insim10::kIsbLight) != 0 ? QColor(220, 220, 220, 190)
                                                                   : QColor(128, 128, 128, 70);
    painter.fillRect(box, fill);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(box.height() * 0.8)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const std::vector<ColourRun> runs = colourRuns(button.text);
    double textWidth = 0.0;
    for (const ColourRun& run : runs) {
        textWidth += metrics.horizontalAdvance(QString::fromStdString(run.text));
    }
    const double pad = box.height() * 0.2;
    double x = (button.style & insim10::kIsbLeft) != 0    ? box.left() + pad
               : (button.style & insim10::kIsbRight) != 0 ? box.right() - pad - textWidth
                                                          : box.center().x() - textWidth / 2;
    const double baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    painter.save();
    painter.setClipRect(box);
    for (const ColourRun& run : runs) {
        const QString text = QString::fromStdString(run.text);
        painter.setPen(textColour(run.colour, button.style));
        painter.drawText(QPointF(x, baseline), text);
        x += metrics.horizontalAdvance(text);
    }
    painter.restore();
}

}  // namespace rennlupe::tools
