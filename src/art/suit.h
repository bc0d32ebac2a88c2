#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include <array>

namespace art {

// The four suits in the order of the face files: spades, clubs, diamonds, hearts.
enum class Suit { Spades, Clubs, Diamonds, Hearts };

inline constexpr std::array<Suit, 4> kSuits{Suit::Spades, Suit::Clubs, Suit::Diamonds, Suit::Hearts};

bool isRed(Suit suit);
// The ink of a suit: a warm red or a soft black.
QColor suitColor(Suit suit);
// The suit's symbol filling the box (its width is kept in proportion inside the box).
QPainterPath suitPath(Suit suit, const QRectF& box);
// The symbol's natural width for a given height.
double suitWidth(Suit suit, double height);

}  // namespace art
