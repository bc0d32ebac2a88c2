#pragma once

#include "art/suit.h"

#include <QPainter>
#include <QRectF>

namespace art {

// The double-headed portrait of a jack (11), queen (12) or king (13) inside the frame.
void drawCourt(QPainter& painter, const QRectF& frame, Suit suit, int rank);

}  // namespace art
