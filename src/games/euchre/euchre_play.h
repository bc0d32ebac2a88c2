#pragma once

#include "games/euchre/euchre_table.h"

#include <string_view>
#include <vector>

// The start of play and the user's cards.
namespace euchrerules {

// Once trump is made: the left bower's suit word becomes trump, and every seat is counted again.
void makeBowers(EuchreTable& t);
// The seat that leads the first trick: the one after the dealer, but seat 2 in place of the
// partner when the user plays alone.
int firstLeader(int dealer, bool alone);
// Play begins: alone or not (the partner's five cards then leave play), the first leader.
void beginPlay(EuchreTable& t, bool alone);
// The seat after another in play; seat 1 sits out while the user plays alone.
int nextInPlay(int seat, int alone);

// The suit a led card makes the lead: its printed suit, trump for the left bower.
MaybeSuit ledSuit(int value, MaybeSuit printedSuit, MaybeSuit trump);

// A click counts on one of the user's cards still in hand, at the user's turn, while a hand is
// being played.
bool userMayClick(const EuchreTable& t, int slot);
// The user follows the suit led when able, the left bower counting as trump; any card leads.
bool userMayPlay(const EuchreTable& t, int slot);

struct UserPlay {
    bool played = false;
    std::vector<int> shifted;  // the user's cards that moved one place left in the row
};
// A click on one of the user's slots: when it may play, the card goes into the trick (its value
// and printed suit, and the lead suit when the user leads), the turn passes to seat 4 and the
// cards to its right close the gap.
UserPlay playUser(EuchreTable& t, int slot);

}  // namespace euchrerules
