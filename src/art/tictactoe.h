#pragma once

#include <QColor>
#include <QImage>

// Tic-Tac-Toe's pictures: the board's cells and the turn arrow.
namespace art {

enum class CellMark { Blank, X, O };

// The window's background, which the turn arrow is drawn on.
inline const QColor kTicTacBackground(64, 64, 64);

// A cell of the board, 97 x 89: green felt, empty or with its mark ("greenblank.bmp",
// "greenx.bmp", "greeno.bmp").
QImage ticTacCell(CellMark mark);
// The turn arrow, 62 x 60: a yellow triangle pointing right on the window's background.
QImage turnArrow();

}  // namespace art
