#pragma once

#include "games/euchre/euchre_table.h"

#include <functional>

// How a computer seat chooses and plays its card.
namespace euchrerules {

// A whole number from 1 to n, as the game's one random generator draws it.
using Draw = std::function<int(int n)>;

// `findrandom`: a suit the seat in `turn` holds, tried from a drawn start in the cycle hearts,
// diamonds, clubs, spades, into `compsuit`; it keeps its old value when the seat holds nothing.
void findrandom(EuchreTable& t, const Draw& rndnum);
// The suit a seat plays: a leader's is drawn; a follower plays the lead suit, else trump, else
// a drawn suit.
void chooseSuit(EuchreTable& t, int seat, const Draw& rndnum);

struct ComputerCard {
    int slot = 0;        // 0 only for a seat that holds no card at all
    bool error = false;  // a follower found no card of its suit and plays its first card instead
};
// The seat's card: the lowest slot still in hand of the chosen suit. When counts and hand
// disagree and none is found, the seat's first card still in hand.
ComputerCard chooseCard(EuchreTable& t, int seat, const Draw& rndnum);
// The card goes into the trick: its value and printed suit, the lead suit when the seat leads,
// and the turn to the next seat. Returns the seat's back to hide (an index of `compcard`), 0 for none.
int recordComputerCard(EuchreTable& t, int seat, int slot);

}  // namespace euchrerules
