#include "art/hangman.h"

#include "art/painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace art {
namespace {

constexpr QSize kButtonSize(43, 39);
constexpr QSize kTileSize(33, 33);
// The window's own background, around the letter buttons.
const QColor kLavender(192, 192, 255);
const QColor kInk(28, 32, 88);

// The buttons and tiles lie a little closer than they are wide: each face leaves the strip that
// its right-hand neighbour covers.
const QRectF kButtonFace(1, 1, 38, 37);
const QRectF kTileFace(1.5, 1.5, 29, 30);

// Every capital at the height of "H" on one baseline, the bottom of the box, so that "J" and "Q"
// keep the size of the others and hang their tails below.
void drawCapital(QPainter& p, char letter, const QRectF& box, const QColor& color) {
    const QFont font = boldFont();
    QPainterPath reference;
    reference.addText(0, 0, font, "H");
    const double scale = box.height() / reference.boundingRect().height();
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(letter)).toUpper());
    const QRectF ink = path.boundingRect();
    QTransform t;
    t.translate(box.center().x(), box.bottom());
    t.scale(std::min(scale, box.width() / ink.width()), scale);
    t.translate(-ink.center().x(), 0);
    p.fillPath(t.map(path), color);
}

void drawButtonFace(QPainter& p, const QColor& top, const QColor& bottom, const QColor& edge) {
    QLinearGradient face(0, 0, 0, kButtonSize.height());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(face);
    p.drawRoundedRect(kButtonFace, 6, 6);
}

void drawTile(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient face(0, 0, 0, kTileSize.height());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(160), 1));
    p.setBrush(face);
    p.drawRoundedRect(kTileFace, 4, 4);
}

// The gallows' parts, in the order the wrong guesses add them to the bare frame.
void drawFrame(QPainter& p) {
    const QColor wood(150, 104, 58);
    const QColor grain(104, 68, 34);
    p.setPen(QPen(grain, 1.5));
    p.setBrush(wood);
    p.drawRect(QRectF(18, 236, 197, 10));   // the ground beam
    p.drawRect(QRectF(44, 22, 13, 216));    // the post
    p.drawRect(QRectF(44, 18, 130, 12));    // the arm
    QPainterPath brace(QPointF(57, 76));
    brace.lineTo(QPointF(57, 64));
    brace.lineTo(QPointF(91, 30));
    brace.lineTo(QPointF(103, 30));
    brace.closeSubpath();
    p.drawPath(brace);
    p.setPen(QPen(QColor(214, 186, 128), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(150, 30), QPointF(150, 62));
}

void drawFigure(QPainter& p, int stage) {
    const QColor chalk(236, 236, 244);
    p.setPen(QPen(chalk, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (stage >= 2) p.drawEllipse(QPointF(150, 82), 19, 19);
    if (stage >= 3) p.drawLine(QPointF(150, 102), QPointF(150, 168));
    if (stage >= 4) p.drawLine(QPointF(150, 118), QPointF(122, 150));
    if (stage >= 5) p.drawLine(QPointF(150, 118), QPointF(178, 150));
    if (stage >= 6) p.drawLine(QPointF(150, 168), QPointF(127, 216));
    if (stage >= 7) {
        p.drawLine(QPointF(150, 168), QPointF(173, 216));
        // The finished figure's eyes are crosses.
        p.setPen(QPen(chalk, 2, Qt::SolidLine, Qt::RoundCap));
        for (double x : {143.0, 157.0}) {
            p.drawLine(QPointF(x - 3, 77), QPointF(x + 3, 83));
            p.drawLine(QPointF(x + 3, 77), QPointF(x - 3, 83));
        }
    }
}

}  // namespace

QImage letterButton(char letter) {
    QImage image = canvas(kButtonSize, kLavender);
    QPainter p(&image);
    smooth(p);
    drawButtonFace(p, QColor(255, 255, 255), QColor(204, 208, 236), QColor(84, 90, 150));
    drawCapital(p, letter, QRectF(8, 11, 24, 17), kInk);
    return image;
}

QImage usedLetterButton() {
    QImage image = canvas(kButtonSize, kLavender);
    QPainter p(&image);
    smooth(p);
    drawButtonFace(p, QColor(150, 152, 200), QColor(176, 178, 222), QColor(120, 124, 176));
    return image;
}

QImage hiddenTile() {
    QImage image = canvas(kTileSize, kHangmanBackdrop);
    QPainter p(&image);
    smooth(p);
    drawTile(p, QColor(96, 142, 226), QColor(52, 92, 180));
    return image;
}

QImage gapTile() { return canvas(kTileSize, kHangmanBackdrop); }

QImage letterTile(char letter) {
    QImage image = canvas(kTileSize, kHangmanBackdrop);
    QPainter p(&image);
    smooth(p);
    drawTile(p, QColor(255, 252, 240), QColor(226, 218, 190));
    drawCapital(p, letter, QRectF(5.5, 8, 21, 16), kInk);
    return image;
}

QImage gallows(int stage) {
    QImage image = canvas(QSize(233, 256), kHangmanBackdrop);
    QPainter p(&image);
    smooth(p);
    drawFrame(p);
    drawFigure(p, stage);
    return image;
}

QImage hangmanBackdrop() { return canvas(QSize(32, 12), kHangmanBackdrop); }

}  // namespace art
