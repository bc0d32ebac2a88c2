#pragma once

#include "games/gin/gin_table.h"

#include <array>
#include <cstdint>

// The deal and the moves of the cards, as changes of their tags.
namespace ginrules {

// A new hand before its cards are known: nothing drawn, one card on the pile, a full stock, no
// marks, the shuffle's marks clear, and the computer's mood for knocking (3 or 4).
void beginDeal(GinTable& t, int knockmood);
// The dealt `deckorder` laid out: slots 1-10 the computer's hand, 11-20 the user's, 21 the first
// discard, 22-52 the stock in drawing order; each slot knows its suit and rank.
void layDeal(GinTable& t);
// A chosen deal (deckorder 1..52) in place of the shuffle.
void setDeal(GinTable& t, const std::array<std::int16_t, 52>& order);

// The top card of the stock becomes the side's drawn card; returns its slot, or 0 with nothing
// moved when the stock is empty.
int drawStock(GinTable& t, int side);
// The top card of the pile becomes the side's drawn card; returns its slot, or 0 when the pile is
// empty. The computer's first discard search passes over a card it took from the pile.
int takePile(GinTable& t, int side);
// The side's card with that tag goes onto the pile and the cards to its right close up; returns
// its slot, or 0 with nothing moved when the side holds no card with that tag.
int discard(GinTable& t, int side, int tag);

// What a click on a card does for the user: take the top of the pile before drawing, discard one
// of the own eleven cards after drawing, or nothing.
enum class UserMove { None, TakePile, Discard };
UserMove userMove(const GinTable& t, int slot);
// Whether a click on the stock draws for the user.
bool userMayDraw(const GinTable& t);

}  // namespace ginrules
