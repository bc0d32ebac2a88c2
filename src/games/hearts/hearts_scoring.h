#pragma once

#include "games/hearts/hearts_table.h"

// The end of a trick and of a hand.
namespace heartsrules {

// Highest card of the led suit wins; on equal values the later of seats 3 and 4 takes over.
// Keeps the plain values in `trickrank`, stores and returns `winner`.
int judgeTrick(HeartsTable& t);
// Gives the trick's points to the winner (queen of spades 13, each heart 1, the jack of diamonds
// -10 while the rule is on), marks its cards taken, clears it and hands the lead to the winner.
// Returns whether that was the hand's last trick.
bool scoreTrick(HeartsTable& t, bool jackRule);
// Shooting the moon: the seat that took every point card gives 26 to each of the others.
// Clears the point cards; returns the shooter, or 0.
int settleMoon(HeartsTable& t, bool jackRule);
// Once some total reaches 100 the lowest total wins, the lower seat on a tie; 0 while none has.
int gameWinner(const HeartsTable& t);
// The next hand passes in the next direction, with hearts unbroken.
void advancePass(HeartsTable& t);

}  // namespace heartsrules
