#include "art/sea_war.h"

#include "art/painting.h"
#include "art/steady_random.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {
namespace {

constexpr QSize kShipSize(118, 32);

// Waves: a base that darkens towards the bottom, small crests of lighter water, and a few glints.
void paintWater(QPainter& p, QSize size, const QColor& top, const QColor& bottom, const QColor& crest,
                std::uint32_t seed) {
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, top);
    base.setColorAt(1, bottom);
    p.fillRect(QRect(QPoint(0, 0), size), base);
    SteadyRandom random(seed);
    const int crests = size.width() * size.height() / 180 + 6;
    for (int i = 0; i < crests; ++i) {
        const double x = random.next() * size.width();
        const double y = random.next() * size.height();
        const double w = 4 + random.next() * 9;
        const double h = 0.8 + random.next() * 1.6;
        QColor c = crest;
        c.setAlpha(40 + int(random.next() * 90));
        QPainterPath wave(QPointF(x - w / 2, y));
        wave.quadTo(QPointF(x, y - h), QPointF(x + w / 2, y));
        p.setPen(QPen(c, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < crests / 12; ++i) {
        p.setBrush(QColor(235, 250, 255, 60 + int(random.next() * 80)));
        p.drawEllipse(QPointF(random.next() * size.width(), random.next() * size.height()), 0.7, 0.7);
    }
}

// The hull seen from above, bow to the left, in a 118 x 32 box.
QPainterPath hull() {
    QPainterPath path(QPointF(2, 16));
    path.cubicTo(QPointF(10, 8), QPointF(22, 4.5), QPointF(36, 4.5));
    path.lineTo(QPointF(105, 4.5));
    path.quadTo(QPointF(115.5, 4.8), QPointF(115.5, 12));
    path.lineTo(QPointF(115.5, 20));
    path.quadTo(QPointF(115.5, 27.2), QPointF(105, 27.5));
    path.lineTo(QPointF(36, 27.5));
    path.cubicTo(QPointF(22, 27.5), QPointF(10, 24), QPointF(2, 16));
    path.closeSubpath();
    return path;
}

void turret(QPainter& p, QPointF centre, double barrelTo) {
    p.setPen(QPen(QColor(52, 56, 62), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x(), centre.y() - 1.6), QPointF(barrelTo, centre.y() - 1.6));
    p.drawLine(QPointF(centre.x(), centre.y() + 1.6), QPointF(barrelTo, centre.y() + 1.6));
    QRadialGradient dome(centre - QPointF(1.2, 1.2), 6);
    dome.setColorAt(0, QColor(176, 182, 190));
    dome.setColorAt(1, QColor(96, 102, 110));
    p.setPen(QPen(QColor(38, 42, 48), 0.8));
    p.setBrush(dome);
    p.drawRoundedRect(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), 3.5, 3.5);
}

void drawShip(QPainter& p, bool onWater) {
    smooth(p);
    const QPainterPath body = hull();
    if (onWater) {
        // A soft shadow and a white bow wave set the ship on the water.
        p.fillPath(body.translated(1.2, 1.6), QColor(0, 20, 30, 110));
        p.setPen(QPen(QColor(230, 248, 255, 170), 1.4));
        p.setBrush(Qt::NoBrush);
        QPainterPath bowWave(QPointF(12, 5));
        bowWave.quadTo(QPointF(1, 10), QPointF(0.5, 16));
        bowWave.quadTo(QPointF(1, 22), QPointF(12, 27));
        p.drawPath(bowWave);
    }
    QLinearGradient steel(0, 4.5, 0, 27.5);
    steel.setColorAt(0, QColor(118, 124, 132));
    steel.setColorAt(0.5, QColor(198, 202, 208));
    steel.setColorAt(1, QColor(108, 114, 122));
    p.setPen(QPen(QColor(34, 38, 44), 1));
    p.setBrush(steel);
    p.drawPath(body);
    // Deck seams along the length.
    p.setPen(QPen(QColor(150, 154, 160), 0.6));
    p.drawLine(QPointF(14, 11), QPointF(110, 11));
    p.drawLine(QPointF(14, 21), QPointF(110, 21));
    // The superstructure with its bridge windows, and the funnel behind it.
    QLinearGradient house(0, 9, 0, 23);
    house.setColorAt(0, QColor(150, 156, 164));
    house.setColorAt(1, QColor(92, 98, 106));
    p.setPen(QPen(QColor(40, 44, 50), 0.8));
    p.setBrush(house);
    p.drawRoundedRect(QRectF(42, 9, 34, 14), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 40, 56));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(44.5, 10.8 + i * 2.8, 2.2, 1.6));
    p.setBrush(QColor(58, 60, 66));
    p.drawRoundedRect(QRectF(60, 11.5, 9, 9), 3, 3);
    p.setBrush(QColor(20, 20, 24));
    p.drawRoundedRect(QRectF(61.8, 13.3, 5.4, 5.4), 2, 2);
    turret(p, QPointF(30, 16), 14);
    turret(p, QPointF(88, 16), 104);
    // A mast light and the flag at the stern.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(72.5, 16), 1.2, 1.2);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(109, 13.5, 4, 5));
}

void paintShipWater(QPainter& p, QSize size) {
    paintWater(p, size, QColor(18, 104, 120), QColor(10, 78, 96), QColor(150, 220, 230), 4711);
}

}  // namespace

QImage seaShip(ShipView view) {
    if (view == ShipView::Up) {
        QImage image = canvas(kShipSize.transposed(), Qt::black);
        QPainter p(&image);
        paintShipWater(p, image.size());
        // Bow up: the ship's length runs down the picture.
        p.translate(kShipSize.height(), 0);
        p.rotate(90);
        drawShip(p, true);
        return image;
    }
    QImage image = canvas(kShipSize, Qt::black);
    QPainter p(&image);
    const bool onWater = view == ShipView::Side;
    if (onWater) paintShipWater(p, image.size());
    drawShip(p, onWater);
    return image;
}

QImage seaPeg(bool hit) {
    QImage image = canvas(QSize(64, 64));
    QPainter p(&image);
    smooth(p);
    QRadialGradient shadow(QPointF(35, 36), 22);
    shadow.setColorAt(0.7, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(35, 36), 22, 22);
    drawMarble(p, QPointF(32, 32), 19, hit ? QColor(128, 0, 0) : QColor(255, 255, 255));
    return image;
}

QImage seaWater() {
    QImage image = canvas(QSize(320, 320), Qt::black);
    QPainter p(&image);
    smooth(p);
    paintWater(p, image.size(), QColor(30, 96, 158), QColor(16, 66, 124), QColor(160, 210, 250), 2024);
    return image;
}

}  // namespace art
