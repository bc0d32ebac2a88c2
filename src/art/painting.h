#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

// Small tools every drawing in this folder shares.
namespace art {

// The felt of the card tables.
inline const QColor kTableGreen(0, 128, 0);

// A fresh image for drawing: opaque images start filled, others start transparent.
QImage canvas(QSize size, const QColor& fill = Qt::transparent);

// A painter with antialiasing switched on.
void smooth(QPainter& painter);

// A bold, plain typeface; the first installed family of a short list of common ones.
QFont boldFont(bool condensed = false);

// Draws text so that its ink fills the box's height exactly (capital height for capitals),
// squeezed sideways when it would be wider than the box; horizontally centred.
void drawFittedText(QPainter& painter, const QString& text, const QRectF& box, const QColor& color,
                    const QFont& font = boldFont());

// A round piece lit from the upper left: checkers, pegs, counters.
void drawMarble(QPainter& painter, QPointF centre, double radius, const QColor& color);

// The white rounded body of a card with its thin dark edge.
void drawCardBody(QPainter& painter, const QRectF& rect, double radius,
                  const QColor& fill = Qt::white, const QColor& edge = QColor(70, 70, 70));

}  // namespace art
