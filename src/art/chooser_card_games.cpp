#include "art/chooser_scenes.h"
#include "art/scene.h"

namespace art::scenes {
namespace {

const QColor kLabel(255, 255, 255, 220);

// Four seats round a table: hidden hands at the top and sides, the user's hand at the bottom.
void fourSeats(QPainter& p, QSize size, int cardsEach, const std::vector<Card>& hand) {
    paintFelt(p, size);
    const int w = size.width(), h = size.height();
    const QSize small(22, 30), side(30, 22), face(26, 35);
    const int step = cardsEach > 6 ? 9 : 11;
    const int spread = small.width() + (cardsEach - 1) * step;
    drawBacks(p, {(w - spread) / 2, 6}, small, {step, 0}, cardsEach);
    const int tall = side.height() + (cardsEach - 1) * (step - 1);
    drawBacks(p, {6, (h - tall) / 2 - 8}, side, {0, step - 1}, cardsEach);
    drawBacks(p, {w - 6 - side.width(), (h - tall) / 2 - 8}, side, {0, step - 1}, cardsEach);
    const int handStep = cardsEach > 6 ? 15 : 18;
    const int handWidth = face.width() + (static_cast<int>(hand.size()) - 1) * handStep;
    drawFaces(p, {(w - handWidth) / 2, h - face.height() - 6}, face, {handStep, 0}, hand);
}

// The four cards of a trick, one in front of each seat.
void trick(QPainter& p, QSize size, const std::vector<Card>& played) {
    const QSize face(26, 35);
    const int cx = size.width() / 2 - face.width() / 2, cy = size.height() / 2 - face.height() / 2 - 8;
    const QPoint spots[] = {{cx, cy - 22}, {cx - 32, cy}, {cx + 32, cy}, {cx, cy + 22}};
    for (size_t i = 0; i < played.size() && i < 4; ++i) drawFace(p, QRect(spots[i], face), played[i]);
}

void pile(QPainter& p, QPoint at, QSize size, int layers) {
    drawBacks(p, at + QPoint(layers, layers), size, {-1, -1}, layers + 1);
}

void memoryGrid(QPainter& p, QPoint origin, QSize card, QPoint gap, int columns, int rows,
                const std::vector<std::pair<int, Card>>& shown) {
    for (int i = 0; i < columns * rows; ++i) {
        const QRect spot(origin + QPoint((i % columns) * (card.width() + gap.x()), (i / columns) * (card.height() + gap.y())),
                         card);
        bool open = false;
        for (const auto& [index, c] : shown)
            if (index == i) {
                drawFace(p, spot, c);
                open = true;
            }
        if (!open) drawBack(p, spot);
    }
}

}  // namespace

void spades(QPainter& p, QSize size) {
    fourSeats(p, size, 13, cards("2C 5C 9C JC 3D 8D KD 6H 8H 4S 7S 10S QS"));
    trick(p, size, cards("KS 5S 9S AS"));
}

void hearts(QPainter& p, QSize size) {
    fourSeats(p, size, 13, {});
    trick(p, size, cards("10H QS 4H AH"));
    // The user's hand with three cards lifted for passing.
    const std::vector<Card> hand = cards("3C 8C KC 2D 9D JD 5H 7H QH 6S 8S JS KS");
    const QSize face(26, 35);
    const int step = 15, left = (size.width() - face.width() - 12 * step) / 2;
    for (size_t i = 0; i < hand.size(); ++i) {
        const bool lifted = i == 2 || i == 8 || i == 12;
        drawFace(p, QRect(QPoint(left + static_cast<int>(i) * step, size.height() - face.height() - (lifted ? 14 : 6)), face),
                 hand[i]);
    }
}

void crazy8s(QPainter& p, QSize size) {
    paintFelt(p, size);
    const int w = size.width(), h = size.height();
    const QSize face(30, 40);
    drawBacks(p, {(w - 110) / 2, 8}, {26, 35}, {14, 0}, 7);
    pile(p, {w / 2 - 48, h / 2 - 28}, face, 3);
    drawFace(p, QRect(w / 2 + 6, h / 2 - 26, face.width(), face.height()), {Suit::Hearts, 8});
    drawFaces(p, {(w - 156) / 2, h - face.height() - 8}, face, {18, 0}, cards("4C 8C 2D 7D 10D 5H KH 9S"));
    drawCaption(p, QRectF(w / 2 + 44, h / 2 - 14, 60, 16), "Crazy 8!", QColor(255, 236, 120), 11, Qt::AlignLeft);
}

void war(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize face(71, 96);
    pile(p, {34, 70}, face, 5);
    pile(p, {34, 282}, face, 5);
    drawCaption(p, QRectF(20, 36, 110, 22), "Computer", kLabel, 15);
    drawCaption(p, QRectF(20, 390, 110, 22), "You", kLabel, 15);
    for (int row = 0; row < 2; ++row) {
        const int y = row == 0 ? 72 : 280;
        drawFace(p, QRect(QPoint(165, y), face), row == 0 ? Card{Suit::Diamonds, 13} : Card{Suit::Clubs, 13});
        drawBacks(p, {255, y}, face, {24, 0}, 3);
        drawFace(p, QRect(QPoint(345, y), face), row == 0 ? Card{Suit::Spades, 7} : Card{Suit::Hearts, 12});
    }
    drawCaption(p, QRectF(430, 190, 160, 60), "WAR!", QColor(255, 220, 60), 44);
}

void euchre(QPainter& p, QSize size) {
    fourSeats(p, size, 5, cards("9H JD KS AS 10C"));
    const int w = size.width(), h = size.height();
    pile(p, {w / 2 - 34, h / 2 - 30}, {22, 30}, 2);
    drawFace(p, QRect(w / 2 + 2, h / 2 - 32, 26, 35), {Suit::Hearts, 11});
    drawCaption(p, QRectF(w / 2 - 50, h / 2 + 8, 100, 14), "Trump: Hearts", kLabel, 10);
}

void gin(QPainter& p, QSize size) {
    paintFelt(p, size);
    const int w = size.width(), h = size.height();
    drawBacks(p, {(w - 130) / 2, 6}, {22, 30}, {12, 0}, 10);
    const QSize face(28, 38);
    pile(p, {w / 2 - 50, h / 2 - 30}, face, 3);
    drawFace(p, QRect(w / 2 + 4, h / 2 - 28, face.width(), face.height()), {Suit::Diamonds, 2});
    // Melds kept together in the hand: three sevens, a run of hearts, a run of spades.
    const std::vector<Card> hand = cards("7C 7D 7S 4H 5H 6H JS QS KS 9C");
    const int step = 17, left = (w - face.width() - 9 * step - 12) / 2;
    for (size_t i = 0; i < hand.size(); ++i) {
        const int gap = (i >= 3 ? 4 : 0) + (i >= 6 ? 4 : 0) + (i >= 9 ? 4 : 0);
        drawFace(p, QRect(QPoint(left + static_cast<int>(i) * step + gap, h - face.height() - 8), face), hand[i]);
    }
    drawCaption(p, QRectF(w - 80, h / 2 - 20, 70, 16), "Knock", QColor(255, 236, 120), 12);
}

void memorySmall(QPainter& p, QSize size) {
    paintFelt(p, size);
    drawCaption(p, QRectF(0, 8, size.width(), 18), "You: 2    Computer: 1", kLabel, 12);
    memoryGrid(p, {72, 34}, {34, 46}, {10, 8}, 4, 3, {{2, {Suit::Hearts, 12}}, {9, {Suit::Diamonds, 12}}, {4, {Suit::Clubs, 5}}});
}

void memoryBig(QPainter& p, QSize size) {
    paintFelt(p, size);
    drawCaption(p, QRectF(0, 6, size.width(), 16), "You: 5    Computer: 4", kLabel, 11);
    memoryGrid(p, {57, 30}, {26, 35}, {8, 6}, 6, 4, {{3, {Suit::Spades, 1}}, {13, {Suit::Clubs, 1}}, {20, {Suit::Hearts, 9}}});
}

}  // namespace art::scenes
