#include "art/euchre_pictures.h"

#include "art/painting.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace art {

QImage trumpPicture(Suit suit) {
    QImage image = canvas(QSize(33, 25), kTableGreen);
    QPainter p(&image);
    smooth(p);
    drawCardBody(p, QRectF(5, 0, 23, 25), 3);
    p.fillPath(suitPath(suit, QRectF(9, 4, 15, 17)), suitColor(suit));
    return image;
}

QImage arrowPicture(Arrow arrow) {
    QImage image = canvas(QSize(30, 28), kTableGreen);
    QPainter p(&image);
    smooth(p);
    // Drawn pointing up about the centre, then turned toward its seat.
    const QPolygonF up{{15, 2}, {27, 14}, {20, 14}, {20, 26}, {10, 26}, {10, 14}, {3, 14}};
    const double turns[] = {0, 180, 270, 90};
    QTransform turn;
    turn.translate(15, 14);
    turn.rotate(turns[static_cast<int>(arrow)]);
    turn.translate(-15, -14);
    // The sideways arrows are squeezed into the picture's width and height the other way round.
    if (arrow == Arrow::Left || arrow == Arrow::Right) {
        QTransform fit;
        fit.translate(15, 14);
        fit.scale(28.0 / 30.0, 30.0 / 28.0);
        fit.translate(-15, -14);
        turn = turn * fit;
    }
    p.setPen(QPen(QColor(90, 70, 0), 1.2));
    p.setBrush(QColor(255, 220, 40));
    p.drawPolygon(turn.map(up));
    return image;
}

QImage suitButton(Suit suit) {
    QImage image = canvas(QSize(23, 21), kTableGreen);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(250, 250, 244));
    p.drawRoundedRect(QRectF(0.5, 0.5, 22, 20), 3, 3);
    p.fillPath(suitPath(suit, QRectF(4, 3, 15, 15)), suitColor(suit));
    return image;
}

QImage dealerMarker() {
    QImage image = canvas(QSize(25, 25), kTableGreen);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, 23, 23));
    drawFittedText(p, "D", QRectF(6, 6, 13, 13), QColor(30, 30, 30));
    return image;
}

}  // namespace art
