#pragma once

#include "games/backgammon/backgammon_table.h"

#include <bitset>

// The user's turn: the roll, where a dragged checker may go, the move itself, and when the turn
// is over.
namespace bgrules {

inline constexpr int kTray = 25;

// The places a dragged checker may be dropped on: points 1 to 24, and kTray for bearing off.
using Targets = std::bitset<26>;

// The user's roll: two dice, thrown again while both show 1 on the user's first roll of a game;
// doubles give four moves of their value. The computer's dice of the turn before are cleared.
void rollUser(BackgammonTable& t, const Draw& draw);

// Where the user's checker may go with the dice left. A checker on a point gets nothing while one
// is on the bar; a sum of dice needs its first stop open (after doubles, every stop); bearing off
// needs every checker home and the dice to reach past 24, and a die larger than the checker needs
// bears off only the rearmost checker.
Targets targets(const BackgammonTable& t, int checker);

// A checker the user can grab: the top of a stack, or one on the bar.
bool grabbable(const BackgammonTable& t, int checker);

// What a move onto a point did, for placing the pictures.
struct UserMove {
    int from = 0;
    int to = 0;
    int slot = 0;  // the count already on `to` when the checker arrived: its place in the stack
    int hit = 0;   // the computer checker sent to the bar, 0 for none
};
// Moves the user's checker onto a point it may go to: the dice it spends, the depths, the counts
// and codes of both points, a hit of a computer blot.
UserMove moveUser(BackgammonTable& t, int checker, int target);

// Bears the user's checker off (it may go to kTray): the dice it spends, at least one (the largest
// when every die is larger than the rearmost checker needs), the moves left, the stack it leaves.
// After doubles the remaining pair moves up to the first two dice. Returns the point the checker
// left.
int bearOff(BackgammonTable& t, int checker);

// Codes that no longer match their counts: a computer point of one checker becomes a blot, an
// empty point empty.
void rez(BackgammonTable& t);

// The turn passes when the dice or the moves are used up, or when no checker the user can grab
// has anywhere to go.
bool turnOver(const BackgammonTable& t);

}  // namespace bgrules
