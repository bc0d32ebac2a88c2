#pragma once

#include <QImage>

// The Interlock Puzzle's one picture of its own.
namespace art {

// "darkred.bmp": a cell of the puzzle's grid, plain dark red at the size of a card face, 71 x 96.
QImage darkRedCell();

}  // namespace art
