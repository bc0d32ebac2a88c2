#pragma once

#include "games/accordion/accordion_table.h"

#include <string_view>

// The rules of Accordion as plain functions over its table: the deal, the stock, the layout of the
// six rows, the drop rule and the closing of the gap that a moved pile leaves.
namespace accordionrules {

inline constexpr std::string_view kLeft = "left";            // onto the neighbour
inline constexpr std::string_view kLeftThree = "leftthree";  // onto the third pile to the left

// A design length times scale, to the nearest whole number (a half to the even neighbour).
std::int16_t step(double design, float scale);

// The table of a dealt `deckorder`: every card in the stock, every slot off the table with its
// face, tag, rank and suit; the counters and steps of a new deal. No position's visibility changes.
void lay(AccordionTable& t);
// File > New Game after the deal: every position shows again.
void showall(AccordionTable& t);

// `suitsvalues`: the rank and suit word of the face that position k shows; nothing changes when it
// shows none.
void suitsvalues(AccordionTable& t, int k);

// The stock picture after a click that took the dealtcount-th card: the full pile stays up to the
// 25th, the half pile from the 26th to the 45th, the thin pile to the 51st; empty text once the
// 52nd card is dealt (the stock hides).
std::string_view stockpicture(int dealtcount);

// Row 1..6 of position n: seven places in the first row, nine in each of the others.
int rowof(int n);
// The Top of position n; position 26 lies five design twips below the rest of its row.
double slotTop(int n, float scale, int rowstep);
// The Left of position n, from the Left of the position before it as that slot holds it.
double slotLeft(int n, double previousLeft, float scale, int colstep);

// What a click on the stock did.
struct Dealt {
    int slot = 0;          // the position that took the card; 0 when the stock was spent
    bool reshown = false;  // a position that a move had emptied, shown again at its own place
};
// `deck_Click` on the table: the next stock card becomes the last pile. A position dealt into for
// the first time gets its place and its card is read again; one a move emptied shows again.
Dealt dealone(AccordionTable& t);

// The source test of a drop onto position n: the move word when the dragged pile's tag is n + 1,
// or n + 3 where n is at most 49; empty text for any other tag.
std::string_view movefrom(int n, int tag);
// The match test: the top cards of positions n and s share their suit word or their rank.
bool matches(const AccordionTable& t, int n, int s);
// A drop onto pile n of the pile at position `tag`: when the move is legal its card lands on n and
// the gap closes. Returns whether the move was made; a refused drop changes nothing. A drop from
// n + 1 that does not match is refused, not tried as a move from n + 3.
bool drop(AccordionTable& t, int n, int tag);
// `tangledinblue`: one pile less, every later card (piles and stock alike) one position to the
// left, the emptied positions hidden.
void tangledinblue(AccordionTable& t, int mostrecent, std::string_view mostrecentmove);

}  // namespace accordionrules
