#pragma once

#include <QImage>

// Sea War's pictures: the ship the window shows in three ways, and the water behind its grids.
namespace art {

enum class ShipView {
    Dock,  // 118 x 32: a grey ship, bow to the left, on black
    Side,  // 118 x 32: the same ship on dark cyan water
    Up,    // 32 x 118: the ship bow up, on the same water
};

// One picture serves all five ships: each ship picture stretches it to its own length.
QImage seaShip(ShipView view);
// A peg that marks a shot on a grid, 64 x 64, clear around it: dark red for a hit, white for a
// miss. It is drawn over a whole cell, so the peg itself leaves the cell's corners free.
QImage seaPeg(bool hit);
// "bluewater.bmp": the open water under each grid, 320 x 320.
QImage seaWater();

}  // namespace art
