#include "art/court.h"

#include "art/painting.h"

#include <QPainterPath>

namespace art {
namespace {

// The portrait is designed in a 43 x 38 half box, head at the top, cut at the card's middle.
constexpr double kHalfWidth = 43, kHalfHeight = 38, kMidX = 21.5;

const QColor kSkin(250, 214, 172);
const QColor kGold(236, 184, 42);
const QColor kRed(196, 32, 38);
const QColor kBlue(36, 72, 168);
const QColor kBlack(34, 34, 40);
const QColor kOutline(40, 30, 30);
const QColor kSteel(214, 220, 230);

struct Palette {
    QColor robe, sleeve, trim, hair;
};

// Each suit dresses its court in its own colours, so that no two court cards look alike.
Palette palette(Suit suit) {
    switch (suit) {
    case Suit::Spades: return {kBlue, kRed, kGold, QColor(92, 60, 34)};
    case Suit::Hearts: return {kRed, kBlue, kGold, QColor(212, 156, 52)};
    case Suit::Diamonds: return {kGold, kRed, kBlue, QColor(150, 84, 40)};
    case Suit::Clubs: return {kBlack, kGold, kRed, QColor(60, 42, 30)};
    }
    return {};
}

void fill(QPainter& p, const QPainterPath& path, const QColor& color, double outline = 0.6) {
    p.setPen(outline > 0 ? QPen(kOutline, outline) : QPen(Qt::NoPen));
    p.setBrush(color);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void drawRobe(QPainter& p, const Palette& c, int rank) {
    QPainterPath robe;
    robe.moveTo(0, kHalfHeight);
    robe.lineTo(0, 34);
    robe.cubicTo(2, 28.5, 8, 25.5, 15, 24.5);
    robe.lineTo(28, 24.5);
    robe.cubicTo(35, 25.5, 41, 28.5, 43, 34);
    robe.lineTo(43, kHalfHeight);
    robe.closeSubpath();
    fill(p, robe, c.robe);
    // Puffed sleeves at the shoulders, trimmed to the robe's outline and studded.
    for (double x : {6.0, 37.0}) {
        fill(p, robe.intersected(ellipse({x, 33}, 6.5, 6)), c.sleeve, 0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(c.trim);
        for (QPointF stud : {QPointF(x - 2.5, 31), QPointF(x + 2.5, 31), QPointF(x, 35)}) p.drawEllipse(stud, 0.9, 0.9);
    }
    // A braided band down the front.
    fill(p, polygon({{18.5, 26}, {24.5, 26}, {25, kHalfHeight}, {18, kHalfHeight}}), c.trim, 0.4);
    for (double y = 28.5; y < kHalfHeight; y += 3.5)
        fill(p, polygon({{kMidX, y - 1.3}, {kMidX + 1.3, y}, {kMidX, y + 1.3}, {kMidX - 1.3, y}}), c.sleeve, 0);
    // Ermine for the king, a lace collar for the queen, a plain one for the jack.
    const QColor collar = rank == 13 ? QColor(250, 250, 250) : rank == 12 ? QColor(255, 244, 214) : c.trim;
    fill(p, ellipse({kMidX, 25.5}, 8.5, 2.8), collar, 0.5);
    if (rank != 13) return;
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    for (double x : {15.0, 18.5, 24.5, 28.0}) p.drawEllipse(QPointF(x, 25.6), 0.55, 0.8);
}

void drawHair(QPainter& p, const Palette& c, int rank) {
    if (rank == 12) {
        QPainterPath hair;
        hair.moveTo(15, 10);
        hair.cubicTo(13, 16, 13, 21, 13.5, 24.5);
        hair.lineTo(29.5, 24.5);
        hair.cubicTo(30, 21, 30, 16, 28, 10);
        hair.cubicTo(26, 6, 17, 6, 15, 10);
        fill(p, hair, c.hair, 0.5);
        return;
    }
    fill(p, ellipse({kMidX, 14}, 6.4, 6.6), c.hair, 0.5);
    if (rank == 11) {
        fill(p, ellipse({15.6, 19}, 1.8, 2.2), c.hair, 0.4);
        fill(p, ellipse({27.4, 19}, 1.8, 2.2), c.hair, 0.4);
    }
}

void drawFace(QPainter& p, const Palette& c, int rank) {
    fill(p, QPainterPath(polygon({{19.6, 19}, {23.4, 19}, {23.4, 25}, {19.6, 25}})), kSkin, 0.4);
    fill(p, ellipse({kMidX, 14.8}, 4.8, 5.8), kSkin, 0.5);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(16.8, 15.5);
        beard.cubicTo(17, 21, 19, 24.5, kMidX, 25);
        beard.cubicTo(24, 24.5, 26, 21, 26.2, 15.5);
        beard.cubicTo(25, 18.5, 18, 18.5, 16.8, 15.5);
        fill(p, beard, c.hair, 0.4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(19.7, 14.2), 0.6, 0.6);
    p.drawEllipse(QPointF(23.3, 14.2), 0.6, 0.6);
    p.setPen(QPen(QColor(150, 90, 70), 0.5));
    p.drawLine(QPointF(kMidX, 14.8), QPointF(kMidX - 0.5, 16.5));
    p.setPen(QPen(kRed, 0.8));
    p.drawLine(QPointF(20.6, 18.2), QPointF(22.4, 18.2));
}

void drawHeadwear(QPainter& p, const Palette& c, int rank) {
    if (rank == 13) {
        fill(p, polygon({{15, 8.8}, {15, 2.2}, {18.2, 5.6}, {kMidX, 0.8}, {24.8, 5.6}, {28, 2.2}, {28, 8.8}}), kGold);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        for (QPointF tip : {QPointF(15, 2.2), QPointF(kMidX, 0.8), QPointF(28, 2.2)}) p.drawEllipse(tip, 1, 1);
        p.setBrush(c.sleeve == kRed ? kBlue : kRed);
        p.drawEllipse(QPointF(kMidX, 7), 1.2, 1.2);
        return;
    }
    if (rank == 12) {
        fill(p, polygon({{16.5, 9}, {16.5, 6.2}, {kMidX, 3.2}, {26.5, 6.2}, {26.5, 9}}), kGold);
        p.setPen(Qt::NoPen);
        p.setBrush(c.sleeve);
        p.drawEllipse(QPointF(kMidX, 6.6), 1.2, 1.2);
        return;
    }
    // The jack's cap with its feather sweeping up and back.
    QPainterPath feather;
    feather.moveTo(25, 6);
    feather.cubicTo(28, 1, 32, 0, 35, 0.6);
    feather.cubicTo(32, 2.5, 29, 5, 26.5, 7.5);
    feather.closeSubpath();
    fill(p, feather, QColor(250, 250, 250), 0.4);
    QPainterPath cap;
    cap.moveTo(14.5, 9.5);
    cap.cubicTo(14, 4, 29, 3, 28.5, 9.5);
    cap.closeSubpath();
    fill(p, cap, c.sleeve);
    fill(p, polygon({{14, 8.4}, {29, 8.4}, {29, 10}, {14, 10}}), c.trim, 0.4);
}

void drawHand(QPainter& p, QPointF at) { fill(p, ellipse(at, 2, 1.8), kSkin, 0.4); }

void drawSword(QPainter& p) {
    fill(p, polygon({{34.2, 2}, {35.4, 0.5}, {36.6, 2}, {36.6, 25}, {34.2, 25}}), kSteel, 0.5);
    fill(p, polygon({{31.5, 25}, {39.3, 25}, {39.3, 26.6}, {31.5, 26.6}}), kGold, 0.4);
    drawHand(p, {35.4, 28.5});
}

void drawAxe(QPainter& p) {
    fill(p, polygon({{34.6, 3}, {36.2, 3}, {36.2, 30}, {34.6, 30}}), QColor(140, 90, 50), 0.4);
    QPainterPath blade;
    blade.moveTo(36.2, 4);
    blade.cubicTo(40, 3, 42, 6, 42, 9);
    blade.cubicTo(42, 12, 40, 14, 36.2, 13);
    blade.closeSubpath();
    fill(p, blade, kSteel, 0.5);
    drawHand(p, {35.4, 28.5});
}

void drawOrb(QPainter& p, const Palette& c) {
    fill(p, ellipse({35.4, 24}, 3.6, 3.6), kGold, 0.5);
    fill(p, polygon({{34.9, 17}, {35.9, 17}, {35.9, 20.6}, {34.9, 20.6}}), kGold, 0.3);
    fill(p, polygon({{33.6, 18}, {37.2, 18}, {37.2, 19}, {33.6, 19}}), kGold, 0.3);
    p.setPen(QPen(c.sleeve, 0.8));
    p.drawLine(QPointF(31.8, 24), QPointF(39, 24));
    drawHand(p, {35.4, 28.6});
}

void drawFlower(QPainter& p, const QColor& bloom) {
    p.setPen(QPen(QColor(40, 120, 50), 0.9));
    p.drawLine(QPointF(35, 28), QPointF(36, 12));
    fill(p, ellipse({38.2, 18.5}, 2, 0.9), QColor(60, 150, 60), 0.3);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(36, 10.5);
        p.rotate(i * 72);
        fill(p, ellipse({0, -2.2}, 1.5, 2), bloom, 0.4);
        p.restore();
    }
    fill(p, ellipse({36, 10.5}, 1.1, 1.1), kGold, 0.3);
    drawHand(p, {35, 28.6});
}

void drawHalberd(QPainter& p, const Palette& c) {
    fill(p, polygon({{6.4, 4}, {7.8, 4}, {7.8, kHalfHeight}, {6.4, kHalfHeight}}), QColor(140, 90, 50), 0.4);
    fill(p, polygon({{7.1, -0.5}, {9.2, 3}, {7.1, 5.5}, {5, 3}}), kSteel, 0.5);
    fill(p, polygon({{7.8, 6}, {12, 5}, {12, 10}, {7.8, 9}}), kSteel, 0.5);
    p.setPen(QPen(c.trim, 1.2));
    p.drawLine(QPointF(6, 11), QPointF(8.2, 11));
    drawHand(p, {7.1, 29});
}

void drawLeaf(QPainter& p) {
    QPainterPath leaf;
    leaf.moveTo(7, 30);
    leaf.cubicTo(2, 22, 4, 10, 9, 4);
    leaf.cubicTo(12, 12, 11, 22, 7, 30);
    fill(p, leaf, QColor(70, 150, 60), 0.5);
    p.setPen(QPen(QColor(30, 90, 40), 0.5));
    p.drawLine(QPointF(7, 29), QPointF(8.6, 7));
    drawHand(p, {7, 29.5});
}

// What each court figure holds, by rank and suit.
void drawHeldItem(QPainter& p, const Palette& c, Suit suit, int rank) {
    if (rank == 13) {
        if (suit == Suit::Diamonds) drawAxe(p);
        else if (suit == Suit::Clubs) drawOrb(p, c);
        else drawSword(p);
        return;
    }
    if (rank == 12) {
        const QColor blooms[] = {QColor(120, 140, 230), QColor(250, 210, 60), QColor(240, 240, 250), QColor(230, 60, 80)};
        drawFlower(p, blooms[static_cast<int>(suit)]);
        return;
    }
    if (isRed(suit)) drawLeaf(p);
    else drawHalberd(p, c);
}

void drawHalf(QPainter& p, Suit suit, int rank) {
    const Palette c = palette(suit);
    drawRobe(p, c, rank);
    drawHair(p, c, rank);
    drawFace(p, c, rank);
    drawHeadwear(p, c, rank);
    drawHeldItem(p, c, suit, rank);
    // The suit's sign in the frame's free upper corner.
    const bool itemOnLeft = rank == 11;
    const double h = 7.5;
    const double w = suitWidth(suit, h);
    const double x = itemOnLeft ? kHalfWidth - 2 - w : 2;
    p.fillPath(suitPath(suit, QRectF(x, 1.5, w, h)), suitColor(suit));
}

}  // namespace

void drawCourt(QPainter& painter, const QRectF& frame, Suit suit, int rank) {
    painter.save();
    painter.fillRect(frame, QColor(255, 251, 236));
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        painter.translate(frame.center());
        painter.rotate(turn * 180);
        painter.translate(-frame.width() / 2, -frame.height() / 2);
        painter.scale(frame.width() / kHalfWidth, frame.height() / 2 / kHalfHeight);
        // Each half keeps to its own side of the middle, so the card reads the same either way up.
        painter.setClipRect(QRectF(0, 0, kHalfWidth, kHalfHeight));
        drawHalf(painter, suit, rank);
        painter.restore();
    }
    painter.setPen(QPen(QColor(60, 60, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setPen(QPen(QColor(60, 60, 90, 160), 0.8));
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    painter.restore();
}

}  // namespace art
