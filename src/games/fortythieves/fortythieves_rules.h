#pragma once

#include "games/fortythieves/fortythieves_table.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The rules of Forty Thieves as plain functions over its table: the two-deck shuffle, the deal
// and its places, the stock and waste, the renumbering of a column a card has left, and the drops
// on cards, columns, empty columns and foundations. Every place is in twips at the table's scale.
namespace fortythievesrules {

// A design length times scale, to the nearest whole number (a half to the even neighbour).
std::int16_t step(double design, float scale);
// A design place or size times scale, exactly as the window scales its controls, so that a card
// put on a placeholder or a foundation lies exactly on it.
double twips(double design, float scale);

struct Place {
    double Left = 0;
    double Top = 0;
    friend bool operator==(const Place&, const Place&) = default;
};
// Where the cards wait before a deal, above the window.
Place parkingplace(float scale);
Place wasteplace(float scale);
Place foundationplace(int k, float scale);
// Placeholder k, where column k's first card lies; column k's drop area starts there too.
Place placeholderplace(int k, float scale);

// The shuffle: every mark cleared; then deck one's codes 1..52 drawn into cards 1..52
// (`makecards`) and deck two's 53..104 into cards 53..104 (`makecards2`), each card given its
// code's rank and suit word.
void clearmarks(FortyThievesTable& t);
void makecards(FortyThievesTable& t);
void makecards2(FortyThievesTable& t);
// Card k takes a code, its rank and its suit word (tests choose deals this way).
void givecard(FortyThievesTable& t, int k, int code);

// The values every game starts from: the deal's first row, the waste's first card, a full stock
// and foundations that take an ace.
void startvalues(FortyThievesTable& t);
// New Game: every card to the parking place, hidden and not draggable.
void park(FortyThievesTable& t);
// The deal: no card on a foundation, cards 1..40 into four rows of ten, card 41 onto the waste and
// cards 42..104 into the stock. Only the ten top cards and the waste's card drag.
void deal(FortyThievesTable& t);

// Column 1..10 of a tableau tag: its last digit, 0 standing for column 10.
int columnof(int tag);
// Whether card k lies in column c, and the cards of column c from the deepest to the top card.
bool incolumn(const FortyThievesTable& t, int k, int c);
std::vector<int> columncards(const FortyThievesTable& t, int c);
// The first card, in index order, tagged as column c's top card; 0 for an empty column.
int topcard(const FortyThievesTable& t, int c);
// Whether card k may be picked up: the top card of a column or of the waste.
bool movable(const FortyThievesTable& t, int k);

// `deckpic_Click`: the next stock card turns onto the waste. Returns it; 0 when the stock is spent.
int turn(FortyThievesTable& t);
// The stock picture after a turn: the half pile from 30 cards left, the thin one from 7, empty
// text (hide the pile) when none is left; nothing to change while 31 or more are left.
std::optional<std::string_view> stockchange(int stockleft);
// `redostack`: the waste after its top card has left, which still carries the top's tag.
void redostack(FortyThievesTable& t);
// `minosslots`: the column that card d has left, d still carrying its top card's tag.
void minosslots(FortyThievesTable& t, int d);
// The close of every drop: the waste's top card drags.
void freewaste(FortyThievesTable& t);

// The drops of card d; each returns whether the card moved. On card t: the same suit, one rank
// lower, t in a column (covered or not) that stays within the deepest a column may grow.
bool droponcard(FortyThievesTable& t, int d, int target);
// On column c's drop area: as on its top card; an empty column refuses.
bool droponcolumn(FortyThievesTable& t, int d, int c);
// On placeholder i, which an empty column uncovers: any card starts the column.
bool droponplaceholder(FortyThievesTable& t, int d, int i);
// On foundation i: the rank it takes next, whatever the suit. The card leaves play.
bool droponfoundation(FortyThievesTable& t, int d, int i);

}  // namespace fortythievesrules
