#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

// Dice, for every picture that shows one: the chooser's scene and Backgammon's die faces.
namespace art {

// A die showing 1 to 6, its rounded body filling the box.
void drawDie(QPainter& painter, const QRectF& box, int value, const QColor& body = Qt::white,
             const QColor& pip = Qt::black);

// One die face as a square picture of the given side in pixels, transparent around its corners.
QImage dieFace(int value, int side);
// The side Backgammon draws its die faces at (the window stretches them).
inline constexpr int kBackgammonDiePixels = 64;

}  // namespace art
