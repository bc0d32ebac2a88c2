#pragma once

#include <QImage>

// The Forty Thieves table's own picture.
namespace art {

// An empty foundation ("maroon.bmp"), 71 x 96 like a face: a maroon card-shaped field on the table
// green, with a lighter inner rim so it reads as a place for a card.
QImage emptyFoundation();

}  // namespace art
