#pragma once

#include "games/spades/spades_table.h"

// The deal: suit and rank of each slot, the new hand's state and the new game's totals.
namespace spadesrules {

// `suitnum`: the suit word and rank (1 to 13) of the card in a slot, from its code. A code
// outside 1 to 52 changes nothing.
void suitnum(SpadesTable& t, int slot);

// The state a deal starts from, before its cards are drawn: spades unbroken, thirteen cards a hand.
void beginDeal(SpadesTable& t);
// `brannew` and `beginings`: both teams' bags and scores back to 0.
void newGame(SpadesTable& t);
// No card of a trick on the table.
void clearTrick(SpadesTable& t);

// The user is offered a Blind Nil at a deal while their team leads ours by 100 or more.
bool blindNilOffered(const SpadesTable& t);
// Our team trails by more than 100; their team trails by 100 or more.
bool weTrailBeyondHundred(const SpadesTable& t);
bool theyTrailByHundred(const SpadesTable& t);

}  // namespace spadesrules
