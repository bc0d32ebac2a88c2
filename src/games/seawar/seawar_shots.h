#pragma once

#include "games/seawar/seawar_table.h"

#include <string_view>

// The shots of both sides: what a shot hits, how long a turn lasts, and how the computer chooses
// where to fire.
namespace seawarrules {

struct Shot {
    bool counted = false;  // false for a click that is no shot
    int ship = 0;          // the ship hit, 0 for a miss
    bool sunk = false;
};

// The user fires at an enemy cell: a cell above 100 or fired at before is no shot.
Shot usershot(SeaWarTable& t, int cell);
// The computer fires at a cell of the user's grid and learns from the result.
Shot compfire(SeaWarTable& t, int cell);

// Whether a side's turn is over after its shots: one in Classic, as many as the side's own ships
// afloat in Salvo, five in Volley. A text naming no type plays as Classic.
bool turnends(std::string_view gametype, int shots, int ownafloat);
bool userturnends(const SeaWarTable& t, std::string_view gametype);
bool compturnends(const SeaWarTable& t, std::string_view gametype);

// The steps the window's clicks and timer call. After the user's counted shot, with the enemy
// fleet still afloat: whether the turn passes to the computer, whose shot count then starts again.
bool userturnover(SeaWarTable& t, std::string_view gametype);
// After the computer's shot, with the user's fleet still afloat: whether the turn passes back to
// the user, whose shot count then starts again.
bool compturnover(SeaWarTable& t, std::string_view gametype);
// The computer's shot: the cell it chooses, and what firing at it hit.
struct CompShot {
    int cell = 0;
    Shot shot;
};
CompShot compshot(SeaWarTable& t, const Draw& draw);

// The hunting pattern: cells whose row and column add up to an even number.
bool oncheckerboard(int cell);
// The cell of the computer's next shot, never one it has fired at. While hunting it draws cells of
// the checkerboard (any cell once the checkerboard is used up); while following up a hit it tries
// the neighbours of `probebase`, then of `firsthit`, then hunts. Sets `targetcell`.
int choosetarget(SeaWarTable& t, const Draw& draw);

std::string_view hitmessage(int ship);
std::string_view sunkmessage(int ship);

}  // namespace seawarrules
