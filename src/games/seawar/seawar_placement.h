#pragma once

#include "games/seawar/seawar_table.h"

#include <array>
#include <optional>
#include <string_view>

// Placing the user's fleet: snapping a dropped ship to the grid, turning it, and the checks and
// the first mover of Done.
namespace seawarrules {

// The grid's column left edges or row top edges 1..10, as the cells lie on the window.
using Edges = std::array<double, 11>;

// The column a dropped picture's Left snaps to: the last column whose left edge lies at or left of
// it (column 1 left of the grid), no further right than a lying ship fits.
int snapcolumn(double left, const Edges& columnLefts, int ship, int way);
// The row a dropped picture's Top snaps to: the last row whose top edge lies strictly above it
// (row 1 above the grid), no lower than an upright ship fits.
int snaprow(double top, const Edges& rowTops, int ship, int way);

// A lying ship's first drop since the new game: marks it placed and says that its dock picture
// must give way to its placed picture. Later drops, and upright ones, say false.
bool leavesdock(SeaWarTable& t, int ship);
// Records the ship's cells from its first cell along its orientation.
void placeship(SeaWarTable& t, int ship, int first);
// Whether the ship has been dropped on the grid.
bool placed(const SeaWarTable& t, int ship);

// Rotate: the ship turns about its first cell and is pushed back inside the grid.
struct Turn {
    int way;      // the orientation it now has
    int anchor;   // its first cell now
    bool moved;   // whether the push-back moved the first cell
};
// Turns a placed ship, rewriting its `shipway` and cells; nothing for a ship not on the grid.
std::optional<Turn> rotate(SeaWarTable& t, int ship);

enum class Readiness { NotPlaced, Overlap, Ready };
// Done's checks: a ship not yet on the grid first, then two ships on one cell.
Readiness donecheck(const SeaWarTable& t);
// Who fires first from the first-move setting: "1" draws, "2" the user (1), anything else the
// computer (2).
int firstmoverfrom(std::string_view setting, const Draw& draw);
// Ends the placement: the first mover's turn counter starts at 0.
void beginbattle(SeaWarTable& t, int firstmover);

}  // namespace seawarrules
