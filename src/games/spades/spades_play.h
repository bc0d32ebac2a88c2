#pragma once

#include "games/spades/spades_table.h"

// The cards of a trick: what the user may play, and the record every play leaves.
namespace spadesrules {

// Puts a seat's card into the trick: its slot, suit and rank, its played tag and one card less
// in the seat's count of its suit. A spade breaks spades.
void recordPlay(SpadesTable& t, int seat, int slot);

// Whether a click on a slot plays it: one of the user's held cards, at the user's turn, with no
// trade open and bidding over; a lead is no spade before spades are broken unless the hand holds
// nothing else; a follow keeps to the led suit while the hand has it.
bool userMayPlay(const SpadesTable& t, int slot);
// A click at the user's turn: plays the card when it may and passes the turn to the left seat.
// Returns whether a card was played.
bool playUser(SpadesTable& t, int slot);
// Whether the trick holds its four cards: the turn has come round to its leader.
inline bool trickComplete(const SpadesTable& t) { return t.turn == t.leader; }

}  // namespace spadesrules
