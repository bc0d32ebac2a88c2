#include "art/chooser.h"
#include "art/painting.h"
#include "art/suit.h"

#include <array>

namespace art {
namespace {

void club(QPainter& p) { p.fillPath(suitPath(Suit::Clubs, QRectF(1.5, 2, 15, 15)), Qt::black); }

// A ring, a cross and a dark red disc: the board and puzzle games.
void boardPieces(QPainter& p) {
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 5.5), 3.2, 3.2);
    p.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 2.5), QPointF(15.5, 8));
    p.drawLine(QPointF(15.5, 2.5), QPointF(10.5, 8));
    p.setPen(QPen(QColor(90, 0, 0), 0.8));
    p.setBrush(QColor(150, 0, 0));
    p.drawEllipse(QPointF(9, 13.5), 4, 4);
}

void die(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2, 15, 15), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 0, 0));
    for (QPointF pip : {QPointF(5.2, 5.7), QPointF(9, 9.5), QPointF(12.8, 13.3)}) p.drawEllipse(pip, 1.7, 1.7);
}

QImage drawTreeIcon(int number) {
    QImage image = canvas(kTreeIconSize, Qt::white);
    QPainter painter(&image);
    smooth(painter);
    if (number == 1) club(painter);
    else if (number == 2) boardPieces(painter);
    else die(painter);
    return image;
}

}  // namespace

// Each icon is drawn once and then shared.
QImage treeIcon(int number) {
    if (number < 1 || number > 3) return {};
    static std::array<QImage, 3> drawn;
    QImage& image = drawn[static_cast<std::size_t>(number - 1)];
    if (image.isNull()) image = drawTreeIcon(number);
    return image;
}

}  // namespace art
