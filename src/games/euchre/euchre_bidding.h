#pragma once

#include "games/euchre/euchre_table.h"

#include <string>

// Making trump: the counts the computer seats decide on, and their two decisions.
namespace euchrerules {

// `rainman`: every seat's count of each suit over its five slots, played or not.
void rainman(EuchreTable& t);

// Round one: a computer seat accepts the turned card's suit when it holds three of it.
bool acceptsTurned(const EuchreTable& t, int seat);
// Round two: the first suit, hearts, clubs, diamonds, spades, of which the seat holds three; the
// last computer seat to speak also takes the first of which it holds two. None: the seat passes.
MaybeSuit roundTwoSuit(const EuchreTable& t, int seat);

// The trump picture of a suit: "\Images\hearts.bmp", "\Images\clubs1.bmp" ...; empty for none.
std::string trumpfile(MaybeSuit suit);

}  // namespace euchrerules
