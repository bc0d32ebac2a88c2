#pragma once

#include "games/towers-foreaft/foreaft_table.h"

#include <string_view>
#include <vector>

// The rules of Fore and Aft as plain functions over its board: the move lists, the direction rule,
// the win test, the board's geometry and one step of a move's animation.
namespace foreaftrules {

// The start: green pieces on cells 1..8, red ones on 10..17, cell 9 empty.
void startup(ForeAftBoard& b);

// The cells from which a piece may move into the empty cell e: slides from its neighbours in its
// row and column, jumps from the cells beyond them.
const std::vector<int>& movelist(int e);
bool inmovelist(int e, int c);

inline bool green(int piece) { return piece >= 1 && piece <= kLastGreen; }

// Piece p may move from cell c into e when backward moves are allowed (the setting reads exactly
// "YES"), or when a green piece moves right or down, or a red one left or up.
bool directionallows(std::string_view backwards, int p, int c, int e);

// The kind of a move from the difference e - c between the empty cell and the piece's cell.
enum class MoveKind { None, Vertical, Horizontal };
MoveKind movekind(int difference);

// What a click on piece p starts: the kind of move, None when the move is not allowed.
MoveKind clickmove(const ForeAftBoard& b, std::string_view backwards, int p);
// A click on piece p: it becomes the clicked piece, and the move it starts under the board's
// setting is returned, None when the move is not allowed.
MoveKind click(ForeAftBoard& b, int p);
// The move's end: the piece's old cell becomes the empty one.
void finishmove(ForeAftBoard& b, int p);

// Every green piece in the lower-right square and every red one in the upper-left square.
bool won(const ForeAftBoard& b);

// A cell's design Left and Top in twips, before `scale`.
double cellLeft(int cell);
double cellTop(int cell);
inline constexpr double kCellSize = 735;
inline constexpr double kPieceSize = 495;
// A piece at rest lies this far inside its cell's top-left corner, before `scale`.
inline constexpr double kRestLeft = 160;
inline constexpr double kRestTop = 150;

// One tick of a move's animation along its axis: the coordinate steps towards the target by
// `forward` (right or down) or `back` (left or up) and the move ends once it has reached or passed
// the target. A piece already on its target ends without a step.
struct Step {
    double position;
    bool ended;
};
Step step(double position, double target, double forward, double back);
// The steps at a scale: 40 twips times scale, but a step to the left is always 40 twips.
inline constexpr double kStepTwips = 40;

}  // namespace foreaftrules
