#include "art/card_face.h"

#include "art/court.h"
#include "art/painting.h"
#include "art/pip_layout.h"

#include <QPainterPathStroker>

#include <array>

namespace art {
namespace {

constexpr QPointF kCentre(35.5, 48);
constexpr double kPipHeight = 13;

QString rankText(int rank) {
    static const char* texts[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(texts[rank - 1]);
}

void drawPip(QPainter& painter, Suit suit, QPointF centre, double height, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    const double w = suitWidth(suit, height);
    painter.fillPath(suitPath(suit, QRectF(-w / 2, -height / 2, w, height)), suitColor(suit));
    painter.restore();
}

// Rank above a small suit sign, in the top left corner; drawn again turned about the centre.
void drawIndex(QPainter& painter, Suit suit, int rank) {
    const QColor ink = suitColor(suit);
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(kFaceSize.width(), kFaceSize.height());
            painter.rotate(180);
        }
        const bool ten = rank == 10;
        drawFittedText(painter, rankText(rank), QRectF(ten ? 1.5 : 2.5, 4, ten ? 12 : 10, 9), ink, boldFont(ten));
        drawPip(painter, suit, QPointF(7.5, 19), 8, false);
        painter.restore();
    }
}

void drawNumberPips(QPainter& painter, Suit suit, int rank) {
    for (const PipSpot& spot : pipLayout(rank)) drawPip(painter, suit, QPointF(spot.x, spot.y), kPipHeight, spot.upsideDown);
}

// The ace carries one large sign; the ace of spades, as by custom, a grander one.
void drawAce(QPainter& painter, Suit suit) {
    const bool grand = suit == Suit::Spades;
    const double h = grand ? 46 : 36;
    const double w = suitWidth(suit, h);
    const QRectF box(kCentre.x() - w / 2, kCentre.y() - h / 2, w, h);
    painter.fillPath(suitPath(suit, box), suitColor(suit));
    if (!grand) return;
    const double inner = 0.78;
    const QRectF innerBox(kCentre.x() - w * inner / 2, kCentre.y() - h * inner / 2 - 1.5, w * inner, h * inner);
    painter.strokePath(suitPath(suit, innerBox), QPen(QColor(255, 255, 255, 220), 0.9));
}

QImage drawFace(Suit suit, int rank) {
    QImage image = canvas(kFaceSize);
    QPainter painter(&image);
    smooth(painter);
    drawCardBody(painter, QRectF(QPointF(0, 0), kFaceSize), 4);
    drawIndex(painter, suit, rank);
    if (rank == 1) drawAce(painter, suit);
    else if (rank <= 10) drawNumberPips(painter, suit, rank);
    else drawCourt(painter, QRectF(14, 10, 43, 76), suit, rank);
    return image;
}

}  // namespace

// Each face is drawn once and then shared (a QImage is copied by reference): every window and
// chooser picture that shows faces would otherwise draw the same ones again.
QImage cardFace(Suit suit, int rank) {
    if (rank < 1 || rank > 13) return {};
    static std::array<QImage, 4 * 13> drawn;
    QImage& face = drawn[static_cast<std::size_t>(static_cast<int>(suit) * 13 + rank - 1)];
    if (face.isNull()) face = drawFace(suit, rank);
    return face;
}

}  // namespace art
