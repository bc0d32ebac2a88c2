#include "art/towers_foreaft.h"

#include "art/painting.h"
#include "art/steady_random.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace art {
namespace {

const QColor kWood(150, 98, 52);

// Thin, slightly wavy lines of darker wood across a shape, clipped to it.
void grain(QPainter& p, const QPainterPath& shape, const QColor& base, std::uint32_t seed, bool across) {
    p.save();
    p.setClipPath(shape);
    SteadyRandom random(seed);
    const QRectF box = shape.boundingRect();
    const double length = across ? box.height() : box.width();
    const double breadth = across ? box.width() : box.height();
    const int lines = int(breadth / 2.2) + 4;
    for (int i = 0; i < lines; ++i) {
        const double at = random.next() * breadth;
        QColor c = base.darker(125 + int(random.next() * 50));
        c.setAlpha(70 + int(random.next() * 90));
        p.setPen(QPen(c, 0.6 + random.next() * 0.9));
        QPainterPath line;
        const double wave = 0.6 + random.next() * 1.4;
        const double phase = random.next() * 6.28;
        for (int s = 0; s <= 24; ++s) {
            const double along = length * s / 24;
            const double off = at + wave * std::sin(phase + along / (length / 3 + 1));
            const QPointF point = across ? QPointF(box.left() + off, box.top() + along)
                                         : QPointF(box.left() + along, box.top() + off);
            if (s == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    p.restore();
}

// Light from above: the colour lighter at the top of a shape, darker at its bottom.
QLinearGradient litFromAbove(const QRectF& box, const QColor& colour) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, colour.darker(190));
    return g;
}

QImage drawPeg() {
    QImage image = canvas(QSize(226, 343), Qt::black);
    QPainter p(&image);
    smooth(p);
    const double centre = 115;
    // The base: the rim of a round board seen from a little above, then its top.
    const QRectF top(centre - 106, 254, 212, 36);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(top.left(), top.center().y(), top.width(), 30), 14, 14);
    p.fillPath(rim, litFromAbove(rim.boundingRect(), kWood.darker(130)));
    grain(p, rim, kWood.darker(130), 11, false);
    QPainterPath board;
    board.addEllipse(top);
    QLinearGradient boardLight(top.topLeft(), top.bottomRight());
    boardLight.setColorAt(0, kWood.lighter(135));
    boardLight.setColorAt(1, kWood.darker(115));
    p.fillPath(board, boardLight);
    grain(p, board, kWood, 12, false);
    p.setPen(QPen(kWood.darker(220), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(top);
    // The post, rounded at its top, with its foot on the middle of the board.
    QPainterPath post;
    post.addRoundedRect(QRectF(centre - 8, 12, 16, 262), 8, 8);
    QLinearGradient postLight(centre - 8, 0, centre + 8, 0);
    postLight.setColorAt(0, kWood.darker(150));
    postLight.setColorAt(0.35, kWood.lighter(150));
    postLight.setColorAt(1, kWood.darker(170));
    p.fillPath(post, postLight);
    grain(p, post, kWood, 13, true);
    p.setPen(QPen(kWood.darker(230), 0.8));
    p.drawPath(post);
    return image;
}

QImage drawDisc(int disc) {
    static const std::array<QColor, kHanoiDiscs> colours = {
        QColor(214, 168, 40), QColor(226, 116, 30), QColor(24, 146, 140),
        QColor(118, 62, 160), QColor(196, 36, 40),  QColor(46, 142, 56),
    };
    const QColor colour = colours[static_cast<std::size_t>(disc - 1)];
    QImage image = canvas(QSize(225, 54), Qt::black);
    QPainter p(&image);
    smooth(p);
    const QRectF body(1.5, 3, 222, 48);
    QPainterPath ring;
    ring.addRoundedRect(body, 22, 22);
    p.fillPath(ring, litFromAbove(body, colour));
    grain(p, ring, colour, 20 + disc, false);
    // The hole where the post passes shows as a shadow across the middle of the ring.
    QLinearGradient hole(body.center().x() - 14, 0, body.center().x() + 14, 0);
    hole.setColorAt(0, Qt::transparent);
    hole.setColorAt(0.5, QColor(0, 0, 0, 70));
    hole.setColorAt(1, Qt::transparent);
    p.fillPath(ring, hole);
    // A sheen along the top edge of the varnished wood.
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawLine(QPointF(body.left() + 22, body.top() + 4), QPointF(body.right() - 22, body.top() + 4));
    p.setPen(QPen(colour.darker(240), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    return image;
}

}  // namespace

// The wood is drawn once and then shared (a QImage is copied by reference): its grain is most of the
// cost of opening a Towers window, and every opening would otherwise draw the same pictures again.
QImage hanoiPeg() {
    static const QImage drawn = drawPeg();
    return drawn;
}

QImage hanoiDisc(int disc) {
    static std::array<QImage, kHanoiDiscs> drawn;
    const int d = std::clamp(disc, 1, kHanoiDiscs);
    QImage& image = drawn[static_cast<std::size_t>(d - 1)];
    if (image.isNull()) image = drawDisc(d);
    return image;
}

QImage foreAftMarble(bool green) {
    QImage image = canvas(QSize(30, 29), Qt::white);
    QPainter p(&image);
    smooth(p);
    drawMarble(p, QPointF(15, 14.5), 12.5, green ? QColor(0, 100, 30) : QColor(150, 10, 16));
    return image;
}

QImage whiteCell() { return canvas(QSize(49, 49), Qt::white); }

}  // namespace art
