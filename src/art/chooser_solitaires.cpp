#include "art/chooser_scenes.h"
#include "art/scene.h"

namespace art::scenes {
namespace {

const QColor kLabel(255, 255, 255, 220);
const QColor kYellow(255, 236, 120);

void pile(QPainter& p, QPoint at, QSize size, int layers) {
    drawBacks(p, at + QPoint(layers, layers), size, {-1, -1}, layers + 1);
}

}  // namespace

void memoryAgainstClock(QPainter& p, QSize size) {
    paintFelt(p, size);
    drawCaption(p, QRectF(0, 8, size.width(), 20), "Time: 1:25", kYellow, 14);
    const QSize card(24, 32);
    const std::vector<Card> shown = cards("7D 7H");
    for (int i = 0; i < 24; ++i) {
        const QRect spot(QPoint(36 + (i % 6) * 30, 40 + (i / 6) * 38), card);
        if (i == 1 || i == 4 || i == 14 || i == 21) drawEmptySpot(p, spot);
        else if (i == 8) drawFace(p, spot, shown[0]);
        else if (i == 17) drawFace(p, spot, shown[1]);
        else drawBack(p, spot);
    }
}

void interlockPuzzle(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(44, 60);
    const std::vector<Card> order = cards("3S AS 6S 2S 8S 5S 4S 7S");
    const int left = (size.width() - 144) / 2, top = 7;
    p.setPen(QPen(QColor(0, 70, 0), 2));
    p.setBrush(QColor(0, 96, 0));
    p.drawRoundedRect(QRectF(left - 4, top - 4, 152, 200), 4, 4);
    for (int cell = 0; cell < 9; ++cell) {
        const QRect spot(QPoint(left + (cell % 3) * 50, top + (cell / 3) * 66), card);
        if (cell == 7) drawEmptySpot(p, spot);
        else drawFace(p, spot, order[cell < 7 ? cell : cell - 1]);
    }
}

void nestor(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(28, 38);
    const char* columns[] = {"4C 9H KD 2S 6D JH", "AD 7S 3H QC 8D 5S", "10C 2H 6S JD 4H 9S", "KC 5D 8S 3C QH 7D",
                             "6H AS 10D 4S 9C 2D", "JC 8H 3D KS 5H QD", "2C 7C 9D 10S AH 6C", "QS 3S 8C 5C JS KH"};
    for (int col = 0; col < 8; ++col)
        drawFaces(p, {14 + col * 36, 8}, card, {0, 12}, cards(columns[col]));
    drawFaces(p, {size.width() / 2 - 70, 150}, card, {36, 0}, cards("4D 10H AC 7H"));
}

void calculation(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(30, 40);
    const std::vector<Card> foundations = cards("4C 8D 9H QS");
    const char* wastes[] = {"KD 9C", "10S 5D JH", "", "6C"};
    const char* steps[] = {"+1", "+2", "+3", "+4"};
    for (int i = 0; i < 4; ++i) {
        const int x = 14 + i * 44;
        drawFace(p, QRect(QPoint(x, 18), card), foundations[i]);
        drawCaption(p, QRectF(x, 3, card.width(), 14), steps[i], kLabel, 10);
        const std::vector<Card> waste = cards(wastes[i]);
        if (waste.empty()) drawEmptySpot(p, QRect(QPoint(x, 72), card));
        drawFaces(p, {x, 72}, card, {0, 14}, waste);
    }
    pile(p, {200, 18}, card, 3);
    drawFace(p, QRect(QPoint(240, 18), card), {Suit::Hearts, 7});
}

void golf(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(30, 40);
    const char* columns[] = {"KC 4D 9S 2H 7C", "5S JD AC 8H", "3D 10C 6H QS 2C", "9D 4S KH",
                             "8C 2S JC 5D 10H", "AH 6S QD 3C 7S", "10D 8S 4C 6D"};
    for (int col = 0; col < 7; ++col)
        drawFaces(p, {20 + col * 40, 10}, card, {0, 13}, cards(columns[col]));
    pile(p, {100, size.height() - card.height() - 14}, card, 4);
    drawFace(p, QRect(QPoint(160, size.height() - card.height() - 12), card), {Suit::Hearts, 6});
}

void fortyThieves(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(26, 35);
    const std::vector<Card> built = cards("3S AH 2D");
    for (int i = 0; i < 8; ++i) {
        const QRect spot(QPoint(37 + i * 30, 6), card);
        if (i < 3) drawFace(p, spot, built[i]);
        else drawEmptySpot(p, spot);
    }
    const char* columns[] = {"7C 4D 9S QH", "KS 8D 2C", "5H JC 10D 6S", "QD 3H 9C 8S", "AD 10H 4S",
                             "6C JH 7D 5S", "9H 2S KC QC", "4H 8C 3D", "10S 6H 5C JD", "7H KD 9D 2H"};
    for (int col = 0; col < 10; ++col)
        drawFaces(p, {11 + col * 29, 50}, card, {0, 11}, cards(columns[col]));
    pile(p, {90, 150}, card, 4);
    drawFaces(p, {135, 152}, card, {9, 0}, cards("8H 5D 10C JS"));
}

void accordion(QPainter& p, QSize size) {
    paintFelt(p, size);
    const QSize card(30, 40);
    drawFaces(p, {14, 14}, card, {21, 0}, cards("9C 4C 4H JH 2D 7D 7S QS 3S 3H KH 8C 8D"));
    drawFaces(p, {14, 68}, card, {21, 0}, cards("AD 6D 6C 10C 5H 5S QD"));
    pile(p, {size.width() - 52, size.height() - card.height() - 14}, card, 4);
}

}  // namespace art::scenes
