#include "art/tictactoe.h"

#include "art/painting.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

namespace art {
namespace {

constexpr QSize kCellSize(97, 89);

// Felt lit a little from the middle, so the board does not look flat.
void paintFelt(QPainter& p) {
    QRadialGradient felt(QPointF(48.5, 44.5), 70);
    felt.setColorAt(0, QColor(24, 150, 60));
    felt.setColorAt(1, QColor(8, 104, 38));
    p.fillRect(QRect(QPoint(0, 0), kCellSize), felt);
}

// Each mark is drawn twice: a dark shadow a little down and right, then the mark itself.
void drawX(QPainter& p, QPointF offset, const QColor& color) {
    p.setPen(QPen(color, 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 22) + offset, QPointF(70, 67) + offset);
    p.drawLine(QPointF(70, 22) + offset, QPointF(27, 67) + offset);
}

void drawO(QPainter& p, QPointF offset, const QColor& color) {
    p.setPen(QPen(color, 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(48.5, 44.5) + offset, 22, 22);
}

}  // namespace

QImage ticTacCell(CellMark mark) {
    QImage image = canvas(kCellSize, QColor(8, 104, 38));
    QPainter p(&image);
    smooth(p);
    paintFelt(p);
    const QColor shadow(0, 40, 12, 150);
    if (mark == CellMark::X) {
        drawX(p, QPointF(2, 3), shadow);
        drawX(p, QPointF(0, 0), QColor(255, 214, 64));
    } else if (mark == CellMark::O) {
        drawO(p, QPointF(2, 3), shadow);
        drawO(p, QPointF(0, 0), QColor(250, 250, 245));
    }
    return image;
}

QImage turnArrow() {
    QImage image = canvas(QSize(62, 60), kTicTacBackground);
    QPainter p(&image);
    smooth(p);
    const QPolygonF triangle{{8, 6}, {56, 30}, {8, 54}};
    QLinearGradient light(0, 6, 0, 54);
    light.setColorAt(0, QColor(255, 240, 120));
    light.setColorAt(1, QColor(240, 190, 20));
    p.setPen(QPen(QColor(150, 110, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(light);
    p.drawPolygon(triangle);
    return image;
}

}  // namespace art
