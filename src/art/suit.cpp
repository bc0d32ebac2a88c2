#include "art/suit.h"

#include <QTransform>

namespace art {
namespace {

// The symbols are designed in a 1000-unit box so that the union of the club's parts stays smooth.
constexpr double kUnit = 1000;

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(500, 250);
    p.cubicTo(480, 90, 370, 0, 250, 0);
    p.cubicTo(100, 0, 0, 120, 0, 290);
    p.cubicTo(0, 560, 310, 720, 500, 1000);
    p.cubicTo(690, 720, 1000, 560, 1000, 290);
    p.cubicTo(1000, 120, 900, 0, 750, 0);
    p.cubicTo(630, 0, 520, 90, 500, 250);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(500, 0);
    p.quadTo(660, 280, 1000, 500);
    p.quadTo(660, 720, 500, 1000);
    p.quadTo(340, 720, 0, 500);
    p.quadTo(340, 280, 500, 0);
    p.closeSubpath();
    return p;
}

// A flared stem shared by the spade and the club.
QPainterPath stem() {
    QPainterPath p;
    p.moveTo(470, 640);
    p.cubicTo(470, 830, 380, 940, 260, 1000);
    p.lineTo(740, 1000);
    p.cubicTo(620, 940, 530, 830, 530, 640);
    p.closeSubpath();
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(500, 0);
    p.cubicTo(330, 260, 0, 400, 0, 630);
    p.cubicTo(0, 790, 120, 880, 260, 880);
    p.cubicTo(370, 880, 450, 830, 500, 760);
    p.cubicTo(550, 830, 630, 880, 740, 880);
    p.cubicTo(880, 880, 1000, 790, 1000, 630);
    p.cubicTo(1000, 400, 670, 260, 500, 0);
    p.closeSubpath();
    return p.united(stem());
}

QPainterPath club() {
    QPainterPath p;
    p.addEllipse(QPointF(500, 255), 245, 245);
    QPainterPath left;
    left.addEllipse(QPointF(245, 600), 245, 245);
    QPainterPath right;
    right.addEllipse(QPointF(755, 600), 245, 245);
    QPainterPath middle;
    middle.addEllipse(QPointF(500, 560), 150, 150);
    return p.united(left).united(right).united(middle).united(stem());
}

// Each symbol is built when first asked for: the unions are costly, and the program's icon, drawn
// at start-up, needs only two of the four.
const QPainterPath& unitPath(Suit suit) {
    switch (suit) {
    case Suit::Spades: {
        static const QPainterPath path = spade();
        return path;
    }
    case Suit::Clubs: {
        static const QPainterPath path = club();
        return path;
    }
    case Suit::Diamonds: {
        static const QPainterPath path = diamond();
        return path;
    }
    case Suit::Hearts: break;
    }
    static const QPainterPath path = heart();
    return path;
}

double aspect(Suit suit) {
    switch (suit) {
    case Suit::Diamonds: return 0.78;
    case Suit::Hearts: return 0.94;
    case Suit::Clubs: return 0.98;
    case Suit::Spades: return 0.86;
    }
    return 1;
}

}  // namespace

bool isRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QColor suitColor(Suit suit) { return isRed(suit) ? QColor(206, 17, 38) : QColor(24, 24, 28); }

double suitWidth(Suit suit, double height) { return height * aspect(suit); }

QPainterPath suitPath(Suit suit, const QRectF& box) {
    const double h = std::min(box.height(), box.width() / aspect(suit));
    const double w = h * aspect(suit);
    const QPointF origin(box.center().x() - w / 2, box.center().y() - h / 2);
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(w / kUnit, h / kUnit);
    return t.map(unitPath(suit));
}

}  // namespace art
