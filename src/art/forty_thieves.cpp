#include "art/forty_thieves.h"

#include "art/painting.h"

#include <QPainter>

namespace art {

QImage emptyFoundation() {
    const QColor maroon(128, 0, 0);
    QImage image = canvas(QSize(71, 96), kTableGreen);
    QPainter p(&image);
    smooth(p);
    drawCardBody(p, QRectF(0, 0, 71, 96), 5, maroon, maroon.darker(170));
    p.setPen(QPen(maroon.lighter(150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 5.5, 60, 85), 3, 3);
    return image;
}

}  // namespace art
