#pragma once

#include "games/smallsolitaires/interlock_table.h"

#include <array>
#include <cstdint>

// The rules of the Interlock Puzzle as plain functions over its table: the deal, the slide of a
// card next to the blank cell into it, and the solved grid.
namespace interlockrules {

// The i-th cell other than the blank, i from 1 to 8.
int cellof(int i, int blank);

// `makecards`' draws: the blank cell, then the faces shuffled over the eight card images. Only
// layouts that slides can bring to the goal are dealt.
void makecards(InterlockTable& t);
// A deal chosen by the caller: the blank cell and the face of each card image (images 1..8 at
// [0]..[7]), every face once, else std::invalid_argument.
void deal(InterlockTable& t, int blank, const std::array<std::int16_t, kCards>& faces);

// Whether a card on cell c slides into the blank cell b: b lies next to c in its row, or above or
// below it. A row does not wrap round to the next.
bool slides(int c, int b);
// A click on card image k: it slides into the blank cell when it may. Returns whether it did.
bool click(InterlockTable& t, int k);
// The ace lies on cell 1, the two on cell 2, and so on up to the eight on cell 8.
bool solved(const InterlockTable& t);

// The design place of a cell, in twips.
struct Place {
    double Left = 0;
    double Top = 0;
};
Place cellPlace(int cell);

}  // namespace interlockrules
