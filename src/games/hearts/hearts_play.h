#pragma once

#include "games/hearts/hearts_table.h"

// Play of a hand: its start, the user's cards and the record every play leaves.
namespace heartsrules {

// Counts every seat's suits and tags every slot with its seat.
void cardcount(HeartsTable& t);
// The seat to play after another: 3, 4, 1, 2, 3. Any other value stays.
inline int nextTurn(int turn) { return core::nextSeat(turn); }

// Puts a seat's card into the trick: its suit and value (aces 14), its slot, its played tag,
// and one card less in the seat's suit count and hand.
void recordPlay(HeartsTable& t, int seat, int slot);

// The opening of a hand, once every slot has its suit and rank: counts, aces high, and the two
// of clubs found. A computer holder plays it at once; the user must click it.
struct Opening {
    int slot = 0;
    int seat = 0;
};
// Every press of the pass and start button gives each seat thirteen cards and ends the choosing.
void pressButton(HeartsTable& t);
Opening startHand(HeartsTable& t);

// Whether a click on a slot may play it: one of the user's held cards, at the user's turn,
// while a hand is in play.
bool userMayClick(const HeartsTable& t, int slot);
// Follow suit when able; the holder of the two of clubs leads it; no heart in the first trick
// unless the user holds nothing else; no heart led before hearts are broken.
bool legalForUser(const HeartsTable& t, int slot);
// A click at the user's turn: plays the card when legal and passes the turn to the left seat.
// Returns whether a card was played.
bool playUser(HeartsTable& t, int slot);
// The fourth card is in once the turn is back with the seat that led: the trick waits to be judged.
inline bool trickFull(const HeartsTable& t) { return t.turn == t.leader; }
// Whether the pass and start button starts the hand rather than passing.
inline bool buttonStarts(const HeartsTable& t) { return t.buttonpass < 1 || t.buttonpass > 3; }

}  // namespace heartsrules
