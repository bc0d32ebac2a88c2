#include "art/icons.h"

#include "art/painting.h"
#include "art/suit.h"

#include <QPainterPath>

namespace art {
namespace {

// One playing card of the icon, with a large sign in its middle.
void iconCard(QPainter& p, QPointF centre, double turn, Suit suit) {
    p.save();
    p.translate(centre);
    p.rotate(turn);
    const QRectF body(-15, -21, 30, 42);
    p.setPen(QPen(QColor(50, 50, 50), 1.4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, 4, 4);
    p.fillPath(suitPath(suit, QRectF(-10, -12, 20, 24)), suitColor(suit));
    p.restore();
}

void iconDie(QPainter& p) {
    const QRectF box(37, 37, 24, 24);
    p.setPen(QPen(QColor(90, 0, 0), 1.4));
    p.setBrush(QColor(200, 24, 30));
    p.drawRoundedRect(box, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (QPointF pip : {QPointF(43, 43), QPointF(49, 49), QPointF(55, 55)}) p.drawEllipse(pip, 2.6, 2.6);
}

QPainterPath handOutline() {
    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 1, 5, 18), 2.5, 2.5);
    for (QRectF finger : {QRectF(12.5, 9, 4.5, 10), QRectF(16.5, 10, 4.5, 10), QRectF(20.5, 11.5, 4, 9)})
        hand = hand.united([&] {
            QPainterPath f;
            f.addRoundedRect(finger, 2.2, 2.2);
            return f;
        }());
    QPainterPath palm;
    palm.moveTo(8, 14);
    palm.lineTo(8, 19);
    palm.cubicTo(6, 17, 3.5, 14.5, 2.5, 16);
    palm.cubicTo(1.5, 17.5, 5, 22, 7.5, 25.5);
    palm.lineTo(9, 27.5);
    palm.lineTo(23, 27.5);
    palm.cubicTo(24.5, 24, 24.5, 21, 24.5, 17);
    palm.lineTo(12, 17);
    palm.closeSubpath();
    hand = hand.united(palm);
    QPainterPath cuff;
    cuff.addRect(QRectF(9, 27, 14, 4));
    return hand.united(cuff);
}

}  // namespace

QImage programIcon(int size) {
    QImage image = canvas(QSize(size, size));
    QPainter p(&image);
    smooth(p);
    p.scale(size / 64.0, size / 64.0);
    iconCard(p, {22, 28}, -14, Suit::Hearts);
    iconCard(p, {36, 25}, 10, Suit::Spades);
    iconDie(p);
    return image;
}

QImage gameCursorImage() {
    QImage image = canvas(QSize(32, 32));
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(handOutline());
    p.setPen(QPen(Qt::black, 0.8));
    for (double x : {12.5, 16.5, 20.5}) p.drawLine(QPointF(x, 13), QPointF(x, 18));
    p.drawLine(QPointF(9, 27), QPointF(23, 27));
    return image;
}

CursorArt gameCursor() { return {QPixmap::fromImage(gameCursorImage()), QPoint(10, 0)}; }

}  // namespace art
