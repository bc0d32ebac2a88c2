#include "art/back_design.h"

#include "art/painting.h"
#include "art/steady_random.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGold(232, 184, 64);

void frameLine(QPainter& p, const QRectF& field, double inset, const QColor& color, double width) {
    p.setPen(QPen(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(field.adjusted(inset, inset, -inset, -inset), 2, 2);
}

// Two families of fine diagonal lines crossing over the field.
void lattice(QPainter& p, const QRectF& field, double spacing, const QColor& color, double width) {
    p.setPen(QPen(color, width));
    const double span = field.width() + field.height();
    for (double d = -span; d < span; d += spacing) {
        p.drawLine(QPointF(field.left() + d, field.top()), QPointF(field.left() + d + field.height(), field.bottom()));
        p.drawLine(QPointF(field.right() - d, field.top()), QPointF(field.right() - d - field.height(), field.bottom()));
    }
}

QPainterPath star(QPointF centre, double outer, double inner, int points, double turn = 0) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = turn + i * M_PI / points - M_PI / 2;
        const QPointF at(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0) path.moveTo(at);
        else path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// Design 1: navy lattice with a rosette medallion.
void classicBlue(QPainter& p, const QRectF& f) {
    const QColor navy(26, 58, 146);
    p.fillRect(f, navy);
    lattice(p, f, 5, QColor(110, 140, 215), 0.8);
    frameLine(p, f, 2.5, kWhite, 1.2);
    const QPointF c = f.center();
    const double rx = f.width() * 0.3, ry = f.height() * 0.22;
    p.setPen(QPen(kWhite, 1.2));
    p.setBrush(navy);
    p.drawEllipse(c, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawEllipse(QPointF(0, -ry * 0.45), rx * 0.14, ry * 0.38);
        p.restore();
    }
    p.setBrush(navy);
    p.drawEllipse(c, rx * 0.16, rx * 0.16);
    p.setBrush(kWhite);
    p.drawEllipse(c, rx * 0.07, rx * 0.07);
    for (QPointF corner : {f.topLeft() + QPointF(7, 7), f.topRight() + QPointF(-7, 7),
                           f.bottomLeft() + QPointF(7, -7), f.bottomRight() + QPointF(-7, -7)})
        p.drawPath(star(corner, 3.2, 1.2, 4));
}

// Design 2: crimson harlequin diamonds with a compass star.
void crimsonDiamonds(QPainter& p, const QRectF& f) {
    const QColor crimson(178, 26, 40), deep(130, 14, 28);
    p.fillRect(f, crimson);
    // A checkerboard turned by 45 degrees gives the harlequin.
    const double cell = 5.5;
    p.save();
    p.translate(f.center());
    p.rotate(45);
    const int reach = static_cast<int>((f.width() + f.height()) / cell / 1.4) + 1;
    for (int row = -reach; row <= reach; ++row)
        for (int col = -reach; col <= reach; ++col)
            if ((row + col) % 2 == 0) p.fillRect(QRectF(col * cell, row * cell, cell, cell), deep);
    p.restore();
    frameLine(p, f, 2, kWhite, 1);
    frameLine(p, f, 4, kWhite, 0.6);
    const QPointF c = f.center();
    const double r = f.width() * 0.3;
    p.setPen(QPen(kWhite, 1.2));
    p.setBrush(crimson);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.fillPath(star(c, r * 0.85, r * 0.22, 4), kWhite);
    p.fillPath(star(c, r * 0.55, r * 0.18, 4, M_PI / 4), QColor(250, 214, 120));
    p.setBrush(crimson);
    p.drawEllipse(c, r * 0.12, r * 0.12);
}

// Design 3: a green tartan.
void tartan(QPainter& p, const QRectF& f) {
    p.fillRect(f, QColor(22, 104, 62));
    const struct Band { double offset, width; QColor color; } bands[] = {
        {0, 9, QColor(8, 48, 30, 150)}, {12, 4, QColor(24, 44, 120, 170)},
        {5, 1, QColor(240, 210, 80, 200)}, {17.5, 1, QColor(200, 30, 40, 190)}};
    const double repeat = 22;
    for (const Band& b : bands)
        for (double at = -repeat; at < std::max(f.width(), f.height()) + repeat; at += repeat) {
            p.fillRect(QRectF(f.left() + at + b.offset, f.top(), b.width, f.height()), b.color);
            p.fillRect(QRectF(f.left(), f.top() + at + b.offset, f.width(), b.width), b.color);
        }
    frameLine(p, f, 2, QColor(240, 210, 80), 1);
}

// Design 4: a sail at sunset.
void sunsetSea(QPainter& p, const QRectF& f) {
    const double horizon = f.top() + f.height() * 0.58;
    QLinearGradient sky(f.topLeft(), QPointF(f.left(), horizon));
    sky.setColorAt(0, QColor(38, 28, 92));
    sky.setColorAt(0.55, QColor(200, 80, 110));
    sky.setColorAt(1, QColor(252, 178, 92));
    p.fillRect(QRectF(f.left(), f.top(), f.width(), horizon - f.top()), sky);
    SteadyRandom rnd(4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(f.left() + rnd.next() * f.width(), f.top() + rnd.next() * f.height() * 0.25), 0.5, 0.5);
    const QPointF sun(f.center().x(), horizon);
    p.setBrush(QColor(255, 226, 132));
    p.drawEllipse(sun, f.width() * 0.2, f.width() * 0.2);
    QLinearGradient sea(QPointF(f.left(), horizon), f.bottomLeft());
    sea.setColorAt(0, QColor(44, 62, 128));
    sea.setColorAt(1, QColor(12, 26, 66));
    p.fillRect(QRectF(f.left(), horizon, f.width(), f.bottom() - horizon), sea);
    p.setPen(QPen(QColor(255, 200, 120), 1));
    for (int i = 1; i < 8; ++i) {
        const double y = horizon + i * 3.2;
        const double half = f.width() * (0.2 - i * 0.02);
        p.drawLine(QPointF(sun.x() - half, y), QPointF(sun.x() + half, y));
    }
    const QPointF boat(f.left() + f.width() * 0.3, horizon + f.height() * 0.14);
    QPainterPath hull;
    hull.moveTo(boat + QPointF(-8, 0));
    hull.lineTo(boat + QPointF(8, 0));
    hull.lineTo(boat + QPointF(5, 3));
    hull.lineTo(boat + QPointF(-5, 3));
    hull.closeSubpath();
    QPainterPath sail;
    sail.moveTo(boat + QPointF(0, -1));
    sail.lineTo(boat + QPointF(0, -18));
    sail.lineTo(boat + QPointF(8, -1));
    sail.closeSubpath();
    sail.moveTo(boat + QPointF(-1, -2));
    sail.lineTo(boat + QPointF(-1, -14));
    sail.lineTo(boat + QPointF(-7, -2));
    sail.closeSubpath();
    p.fillPath(hull, QColor(20, 16, 30));
    p.fillPath(sail, QColor(20, 16, 30));
    p.setPen(QPen(QColor(30, 20, 40), 0.8));
    for (QPointF bird : {QPointF(0.7, 0.2), QPointF(0.78, 0.26), QPointF(0.64, 0.3)}) {
        const QPointF at(f.left() + bird.x() * f.width(), f.top() + bird.y() * f.height());
        p.drawLine(at + QPointF(-2.2, -1), at);
        p.drawLine(at, at + QPointF(2.2, -1));
    }
    frameLine(p, f, 1.5, QColor(255, 236, 190), 1);
}

// Design 5: a royal sunburst.
void sunburst(QPainter& p, const QRectF& f) {
    const QPointF c = f.center();
    p.fillRect(f, QColor(64, 18, 104));
    const double reach = std::hypot(f.width(), f.height());
    const int rays = 24;
    for (int i = 0; i < rays; i += 2) {
        QPainterPath ray;
        ray.moveTo(c);
        for (int k = 0; k < 2; ++k) {
            const double a = (i + k) * 2 * M_PI / rays;
            ray.lineTo(c.x() + reach * std::cos(a), c.y() + reach * std::sin(a));
        }
        ray.closeSubpath();
        p.fillPath(ray, QColor(112, 44, 156));
    }
    QRadialGradient glow(c, f.width() * 0.5);
    glow.setColorAt(0, QColor(255, 220, 120, 120));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.fillRect(f, glow);
    const double r = f.width() * 0.27;
    p.setPen(QPen(kGold, 1.4));
    p.setBrush(QColor(64, 18, 104));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kGold, 0.7));
    p.drawEllipse(c, r * 0.82, r * 0.82);
    p.setPen(Qt::NoPen);
    p.fillPath(star(c, r * 0.72, r * 0.3, 8), kGold);
    p.setBrush(QColor(255, 244, 200));
    p.drawEllipse(c, r * 0.16, r * 0.16);
    frameLine(p, f, 2, kGold, 1.2);
    frameLine(p, f, 4, kGold, 0.5);
}

}  // namespace

void paintBackDesign(QPainter& painter, const QRectF& field, int design) {
    painter.save();
    switch (design) {
    case 1: classicBlue(painter, field); break;
    case 2: crimsonDiamonds(painter, field); break;
    case 3: tartan(painter, field); break;
    case 4: sunsetSea(painter, field); break;
    case 5: sunburst(painter, field); break;
    default: break;
    }
    painter.restore();
}

}  // namespace art
