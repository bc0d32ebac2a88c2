#pragma once

#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_table.h"

#include <cstdint>

// Turn order: who opens a game, the hand-over to the computer with the double it may offer
// first, the user's double, and a game's end. The window's timers and handlers call these and
// show what they did.
namespace bgrules {

// A new game of the match: the opening position, and the side that rolls first as `firstroll`
// says.
Side openGame(BackgammonTable& t, const Draw& draw);

// The hand-over to the computer: the user's doubles are over and both pip counts are taken. True
// when the computer offers a double before it rolls.
bool computerTurnStarts(BackgammonTable& t, bool cubeInUse);

// The user's answer to the computer's double. Either way the computer has offered; accepted, the
// stake doubles and the cube is free again.
void answerOffer(BackgammonTable& t, bool accepted);

// The user's double, once the user is sure: the pip counts are taken and the computer answers.
// True when it accepts, which doubles the stake and gives it the cube.
bool userDoubles(BackgammonTable& t);

// A game's end: the winner takes the cube's value, times the bear-off multiplier when the game
// was borne off, and one game, and rolls first in the next game. Returns the points.
std::int64_t winGame(BackgammonTable& t, Side winner, bool borneOff);

}  // namespace bgrules
