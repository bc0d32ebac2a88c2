#pragma once

#include <QPainter>
#include <QRectF>

namespace art {

// Paints the pattern of a back design (1 to 5) into the field inside a card's white margin;
// drawn at any size, so the same design serves backs and the top card of a stock pile.
void paintBackDesign(QPainter& painter, const QRectF& field, int design);

}  // namespace art
