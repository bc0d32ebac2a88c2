#pragma once

#include "games/gin/gin_table.h"

// Judging the two hands: sets and runs by fixed patterns, the unmatched totals, the computer's
// keep marks, and whether the judgement ends the hand.
namespace ginrules {

enum class HandEnd { None, UserGin, ComputerGin, ComputerKnocks, UserKnocks, DeadHand };

// How many cards of each rank the side's ten cards hold.
void countranks(GinTable& t, int side);
// The side's unmatched total: the values of its ten cards without a meld mark.
int unmatchedOf(const GinTable& t, int side);

// `matching` on both hands, found afresh from the tags: three or four of a rank form a set; a card
// with the two above it, one above and one below, or the two below it in its suit (aces low, no
// wrapping) is in a run. A card may be in both; every such card counts as melded.
void matching(GinTable& t);
// What the latest judgement ends the hand with, one end at most: the user's gin first, then the
// computer's gin, then the computer's knock (9 or less while `knockmood` is 4).
HandEnd handEnd(const GinTable& t);

// The computer's keep marks: every card of a rank it holds twice or more, and every two cards of
// one suit one rank apart, among its cards (its drawn card included).
void setkeepmarks(GinTable& t);

}  // namespace ginrules
