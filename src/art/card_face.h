#pragma once

#include "art/suit.h"

#include <QImage>
#include <QSize>

namespace art {

// Every face is 71 x 96 pixels.
inline constexpr QSize kFaceSize{71, 96};

// The face of a card, rank 1 (ace) to 13 (king). The corners outside the rounded edge are
// transparent. An unknown rank gives a null image.
QImage cardFace(Suit suit, int rank);

}  // namespace art
