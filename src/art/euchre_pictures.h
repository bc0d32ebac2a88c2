#pragma once

#include "art/suit.h"

#include <QImage>

// The Euchre table's own pictures: the trump suit shown while a hand is played, the four turn
// arrows, the suit buttons of "Pick Suit" and the dealer marker.
namespace art {

enum class Arrow { Up, Down, Left, Right };

// The trump picture, 33 x 25: the suit on a small white plate over the table green.
QImage trumpPicture(Suit suit);
// A turn arrow, 30 x 28, pointing toward the seat whose turn it is.
QImage arrowPicture(Arrow arrow);
// A suit button, 23 x 21.
QImage suitButton(Suit suit);
// The dealer marker, 25 x 25: a letter D on a disc.
QImage dealerMarker();

}  // namespace art
