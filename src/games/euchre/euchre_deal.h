#pragma once

#include "games/euchre/euchre_table.h"

// The state changes of a deal.
namespace euchrerules {

// The last computer seat to speak in the second round: the dealer, or seat 2 when the user deals.
int lastbidderFor(int dealer);

// What every deal resets before the cards are drawn: five cards for the user, no tricks, every
// slot tagged with its number, no lead, trump or maker, the backs to hide first, the speaker after
// the dealer, and no card in play.
void beginDeal(EuchreTable& t, int dealer);
// `zzz`'s share of the state: the suit word and value of the code in `dealslot`. A code outside
// 1 to 24 changes nothing.
void zzz(EuchreTable& t);
// Once all 24 slots are drawn: every printed suit kept as dealt.
void finishDeal(EuchreTable& t);

}  // namespace euchrerules
