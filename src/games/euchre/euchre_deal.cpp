#include "games/euchre/euchre_deal.h"

#include "core/euchrecards.h"

namespace euchrerules {

int lastbidderFor(int dealer) { return dealer == kUser ? 2 : dealer; }

void beginDeal(EuchreTable& t, int dealer) {
    t.playercount = 5;
    t.trickswon = {};
    t.dealer = dealer;
    for (int slot = 1; slot <= kSlots; ++slot) t.tag[slot] = slot;
    t.leadsuit.reset();
    t.cardused = {};
    t.maker = 0;
    t.nextback = {0, 1, 11, 0, 6};
    t.trump.reset();
    t.lastbidder = lastbidderFor(dealer);
    t.turn = nextSeat(dealer);
    t.playing = false;
}

void zzz(EuchreTable& t) {
    const int slot = t.dealslot;
    if (slot < 1 || slot > kSlots) return;
    const auto card = core::euchrecard(t.deckorder[slot]);
    if (!card) return;
    t.cardsuit[slot] = card->suit;
    t.cardrank[slot] = card->value;
}

void finishDeal(EuchreTable& t) { t.dealtsuit = t.cardsuit; }

}  // namespace euchrerules
