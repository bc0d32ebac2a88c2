#pragma once

#include "art/suit.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <string_view>
#include <vector>

// Building blocks for the small table pictures: cards, piles and captions at any size.
namespace art {

struct Card {
    Suit suit;
    int rank;
};

// Cards written the short way, separated by spaces: "AS 10H QD 7C".
std::vector<Card> cards(std::string_view text);

// The green felt of a card table, a little lighter towards the middle.
void paintFelt(QPainter& painter, QSize size);

void drawFace(QPainter& painter, const QRect& rect, Card card);
// A back of the first design; a rectangle wider than tall gets the sideways back.
void drawBack(QPainter& painter, const QRect& rect);

// Cards overlapped from a starting place by a fixed step, the later ones in front.
void drawFaces(QPainter& painter, QPoint start, QSize size, QPoint step, const std::vector<Card>& row);
void drawBacks(QPainter& painter, QPoint start, QSize size, QPoint step, int count);

// The dashed outline of an empty pile.
void drawEmptySpot(QPainter& painter, const QRect& rect);

void drawCaption(QPainter& painter, const QRectF& box, const QString& text, const QColor& color, int pixelSize,
                 Qt::Alignment align = Qt::AlignCenter);

}  // namespace art
