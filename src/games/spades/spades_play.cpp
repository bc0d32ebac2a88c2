#include "games/spades/spades_play.h"

namespace spadesrules {

void recordPlay(SpadesTable& t, int seat, int slot) {
    if (t.cardsuit[slot] == Suit::Spades) t.spadesbroken = -1;
    t.trickslot[seat] = slot;
    lowerSuitcount(t, seat, t.cardsuit[slot]);
    t.tricksuit[seat] = t.cardsuit[slot];
    t.trickvalue[seat] = t.cardrank[slot];
    t.tag[slot] = playedTag(seat);
}

bool userMayPlay(const SpadesTable& t, int slot) {
    if (!slotOfSeat(kUser, slot) || !isHeld(t, slot)) return false;
    if (t.turn != kUser || t.tradephase != 0 || t.bidding) return false;
    const MaybeSuit& suit = t.cardsuit[slot];
    if (t.leader == kUser) {
        const bool onlySpades = suitcountOf(t, kUser, Suit::Spades) == t.cardsleft;
        return suit != Suit::Spades || t.spadesbroken != 0 || onlySpades;
    }
    const MaybeSuit& led = t.tricksuit[t.leader];
    return suit == led || suitcountOf(t, kUser, led) < 1;
}

bool playUser(SpadesTable& t, int slot) {
    if (!userMayPlay(t, slot)) return false;
    recordPlay(t, kUser, slot);
    t.turn = 4;
    return true;
}

}  // namespace spadesrules
