#include "games/euchre/euchre_play.h"

#include "games/euchre/euchre_bidding.h"

namespace euchrerules {

void makeBowers(EuchreTable& t) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (t.cardrank[slot] == 11 && t.cardsuit[slot] == sameColour(t.trump)) t.cardsuit[slot] = t.trump;
    rainman(t);
}

int firstLeader(int dealer, bool alone) {
    const int leader = nextSeat(dealer);
    return leader == kPartner && alone ? 2 : leader;
}

void beginPlay(EuchreTable& t, bool alone) {
    t.alone = alone ? -1 : 0;
    if (alone)
        for (int slot = firstSlot(kPartner); slot <= lastSlot(kPartner); ++slot) t.tag[slot] = kOutOfPlay;
    t.leader = firstLeader(t.dealer, alone);
    t.turn = t.leader;
    t.playing = true;
}

int nextInPlay(int seat, int alone) {
    if (seat == 4 && alone == -1) return 2;
    return nextSeat(seat);
}

MaybeSuit ledSuit(int value, MaybeSuit printedSuit, MaybeSuit trump) {
    return isLeftBower(value, printedSuit, trump) ? trump : printedSuit;
}

bool userMayClick(const EuchreTable& t, int slot) {
    return t.playing && t.turn == kUser && slot >= 1 && slot <= 5 && isHeld(t, slot);
}

bool userMayPlay(const EuchreTable& t, int slot) {
    if (!userMayClick(t, slot)) return false;
    if (t.leader == kUser) return true;
    return t.cardsuit[slot] == t.leadsuit || suitcountOf(t, kUser, t.leadsuit) < 1;
}

UserPlay playUser(EuchreTable& t, int slot) {
    UserPlay play;
    if (!userMayPlay(t, slot)) return play;
    play.played = true;
    t.trickvalue[kUser] = t.cardrank[slot];
    t.tricksuit[kUser] = t.dealtsuit[slot];
    if (t.leader == kUser) t.leadsuit = ledSuit(t.cardrank[slot], t.dealtsuit[slot], t.trump);
    t.turn = 4;
    const int place = t.tag[slot];
    for (int other = 1; other <= kSlots; ++other) {
        if (t.tag[other] > t.playercount || t.tag[other] <= place) continue;
        --t.tag[other];
        play.shifted.push_back(other);
    }
    --t.playercount;
    return play;
}

}  // namespace euchrerules
