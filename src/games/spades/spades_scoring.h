#pragma once

#include "games/spades/spades_table.h"

#include <string_view>

// The end of a trick, of a hand and of a game.
namespace spadesrules {

// Spades are worth their rank plus 260, cards of a led suit other than spades their rank plus 130,
// discards their rank. Stores the values, `bestvalue` and `winner`; returns the winner.
int judgeTrick(SpadesTable& t);
// Books the judged trick: cleared from the table, one more trick for the winner, one card less
// in each hand; while cards are left the winner leads. Returns whether that was the last trick.
bool bookTrick(SpadesTable& t);
// Books the swept trick and, after the last trick of the hand, scores the hand. Returns whether
// the hand is over.
bool closeTrick(SpadesTable& t);
// The tricks of a team, the sum of both partners'.
int teamTricks(const SpadesTable& t, int team);

// Scores a finished hand for both teams: each Nil and Blind Nil, then overtricks into bags, the
// bag penalty at 10 bags, the bid made, the bid set (10 times the bid when seat 1 took the last
// trick, else 10 times the shortfall).
void scoreHand(SpadesTable& t);

// The game's target from the target file's text: a positive whole number, else 250.
inline constexpr int kDefaultTarget = 250;
int targetOf(std::string_view text);

// What the score window decides after a hand, by the first rule that holds: our team at or below
// minus the target loses, theirs there wins; our team at the target wins, theirs there loses.
enum class Ending { NextHand, Won, Lost };
Ending ending(int ourscore, int theirscore, int target);

}  // namespace spadesrules
