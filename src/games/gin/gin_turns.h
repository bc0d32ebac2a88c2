#pragma once

#include "games/gin/gin_computer.h"
#include "games/gin/gin_table.h"

// The turns of a hand as steps over the table: the window calls one, then shows what it changed.
namespace ginrules {

// An unmatched total below it lets the user knock after a discard.
inline constexpr int kKnockLimit = 10;

// The user draws the top of the stock: its slot, or 0 with nothing moved when the stock is empty.
int userDrawsStock(GinTable& t);
// The user takes the top of the pile: its slot, or 0 when the pile is empty.
int userTakesPile(GinTable& t);
// The user's card in that slot goes onto the pile, both hands are judged afresh and the turn passes
// to the computer; false with nothing changed when the user holds no such card.
bool userDiscards(GinTable& t, int slot);
// After the user's discard: whether Knock and Continue are offered instead of the computer's turn.
inline bool userMayKnock(const GinTable& t) { return t.unmatched[kUser] < kKnockLimit; }

// The computer's whole turn: the slots of the card it drew and of the one it discarded, or nothing
// with nothing moved when it finds the stock empty.
struct ComputerTurn {
    int drawn = 0;
    int discarded = 0;
};
// It takes the pile's top or draws from the stock, discards, marks what it keeps and judges both
// hands; the turn passes to the user.
ComputerTurn computerTurn(GinTable& t, const Draw& rndnum);

}  // namespace ginrules
