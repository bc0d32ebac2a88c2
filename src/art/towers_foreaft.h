#pragma once

#include <QImage>

// The pictures of the two puzzles: the Towers of Hanoi pegs and discs, the Fore and Aft marbles and
// the white of its cells.
namespace art {

// A wooden post on a round base, on black, 226 x 343; the discs rest on the base from about
// 270 pixels down.
QImage hanoiPeg();
// Disc 1..6 (golden, orange, teal, purple, red, green): a wood-grained ring seen from the side, on
// black, 225 x 54. Each window stretches it to its disc's size.
QImage hanoiDisc(int disc);
inline constexpr int kHanoiDiscs = 6;
// A marble on white, 30 x 29: dark green for the green pieces, dark red for the red ones.
QImage foreAftMarble(bool green);
// "white.bmp": a cell of the board, 49 x 49.
QImage whiteCell();

}  // namespace art
