#pragma once

#include "games/smallsolitaires/nestor_table.h"

#include <array>
#include <cstdint>

// The rules of Nestor as plain functions over its table: the deal that keeps every rank once per
// column, the layout, and the removal of a pair of free cards of one rank.
namespace nestorrules {

// `setcards`: the deal. Position by position, one draw of 52 each: a code already dealt, or one
// repeating a rank of its column (rows 1 to 6), is drawn again; the reserve takes any code left.
// Where the cards left at the top of a column hold fewer than six ranks no column could be
// finished, so the deal starts again from position 1.
void setcards(NestorTable& t, const Draw& draw);
// A deal chosen by the caller (positions 1..52 at [0]..[51]): every code once and no rank twice in
// a column, else std::invalid_argument.
void setdeal(NestorTable& t, const std::array<std::int16_t, kCards>& order);
// Everything of a new game but the deal: every card shown, full counts, the depths from 6 at the
// top of each column to 1 at its free end, 1 for the reserve.
void lay(NestorTable& t);

// The ranks among the codes not yet dealt.
int ranksleft(const NestorTable& t);

// A free card: shown, with depth 1. Only free cards may be dragged.
bool draggable(const NestorTable& t, int p);
// A free card d dropped on another free card of its rank: both leave the table, and the next card
// up each column they left becomes free. Returns whether the pair was removed.
bool removepair(NestorTable& t, int d, int target);
// Every card removed.
bool won(const NestorTable& t);

// Where card image p lies, in twips, at the window's scale: the columns in whole twips, the
// reserve below columns 3 to 6.
struct Place {
    double Left = 0;
    double Top = 0;
};
Place place(int p, float scale);
// Where a removed card is put, at every scale.
inline constexpr Place kRemoved{0, 6360};

}  // namespace nestorrules
