#include "art/dice.h"

#include "art/painting.h"

#include <map>
#include <utility>

namespace art {

void drawDie(QPainter& p, const QRectF& box, int value, const QColor& body, const QColor& pip) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(body);
    p.drawRoundedRect(box, box.width() * 0.18, box.width() * 0.18);
    const double q = box.width() / 4;
    const QPointF c = box.center();
    const double r = box.width() * 0.09;
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const auto pair = [&](QPointF offset) {
        p.drawEllipse(c + offset, r, r);
        p.drawEllipse(c - offset, r, r);
    };
    if (value % 2 == 1) p.drawEllipse(c, r, r);
    if (value >= 2) pair(QPointF(-q, -q));
    if (value >= 4) pair(QPointF(q, -q));
    if (value == 6) pair(QPointF(-q, 0));
}

namespace {

QImage drawDieFace(int value, int side) {
    QImage image = canvas(QSize(side, side));
    QPainter p(&image);
    smooth(p);
    drawDie(p, QRectF(0.5, 0.5, side - 1, side - 1), value);
    return image;
}

}  // namespace

// Each face is drawn once and then shared.
QImage dieFace(int value, int side) {
    static std::map<std::pair<int, int>, QImage> drawn;
    QImage& image = drawn[{value, side}];
    if (image.isNull()) image = drawDieFace(value, side);
    return image;
}

}  // namespace art
