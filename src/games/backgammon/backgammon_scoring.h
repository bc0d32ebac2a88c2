#pragma once

#include "games/backgammon/backgammon_table.h"

#include <cstdint>
#include <string_view>

// The end of a game, the doubling cube and the match.
namespace bgrules {

enum class Side { User, Computer };

// A game won by bearing off scores the cube times this: 1 when the loser has borne a checker
// off; otherwise 3 when the loser has one on the bar or outside its home board; otherwise 2.
int multiplier(const BackgammonTable& t, Side winner);

// The winner takes the points and one game.
void scoreGame(BackgammonTable& t, Side winner, std::int64_t points);

// The computer refuses the user's double when the user leads the race by more than 25 pips, or
// by more than 5 with every checker home. The pip counts are those of the table.
bool computerRefuses(const BackgammonTable& t);
// The computer offers a double at the start of its turn while the cube is in use, it leads by
// more than 25 pips and it has not offered since the user last doubled.
bool computerOffers(const BackgammonTable& t, bool cubeInUse);
// An accepted double.
void doubleStake(BackgammonTable& t);

// The games in a match from its holder's text; 0 for a text that is no positive whole number,
// which decides no match.
int matchLength(std::string_view text);
// The user wins a decided match unless the computer has more points; an equal score goes to
// the user.
bool userWinsMatch(std::int64_t userPoints, std::int64_t computerPoints);

}  // namespace bgrules
