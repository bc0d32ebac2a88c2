#pragma once

#include "core/cards.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

namespace art {

// The suits are the core's.
using core::kSuits;
using core::Suit;

bool isRed(Suit suit);
// The ink of a suit: a warm red or a soft black.
QColor suitColor(Suit suit);
// The suit's symbol filling the box (its width is kept in proportion inside the box).
QPainterPath suitPath(Suit suit, const QRectF& box);
// The symbol's natural width for a given height.
double suitWidth(Suit suit, double height);

}  // namespace art
