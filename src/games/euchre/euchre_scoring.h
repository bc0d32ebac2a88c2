#pragma once

#include "games/euchre/euchre_table.h"

#include <string_view>

// The end of a trick, of a hand and of a game.
namespace euchrerules {

// `check`: finds each played card among the slots, raises the values (right bower 200, left
// bower 150 and trump, trump 100, lead suit 50; seat 1 at 0 while the user plays alone), lowers
// the players' counts, marks the cards out of play and keeps the winner in `trickwinner` and
// returns it (equal values go to the higher seat).
int judgeTrick(EuchreTable& t);
// `resetit`'s count: one trick more for the winner in `turn`. Returns whether the hand is over;
// otherwise the winner leads the next trick.
bool countTrick(EuchreTable& t);
// The hand's points: the makers' team takes 1 for three or four tricks and 2 for five (4 when the
// user's team made trump and the user played alone); two tricks or fewer give the other team 2.
void scoreHand(EuchreTable& t);

// The play-to target from its text: a positive whole number, else 10.
inline constexpr int kDefaultTarget = 10;
int playTarget(std::string_view text);
// 1 when the user's team has reached the target (it wins a tie), 2 when the other team has,
// 0 while neither has.
int gameWinner(const EuchreTable& t, int target);

}  // namespace euchrerules
