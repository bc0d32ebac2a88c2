#include "games/spades/spades_computer.h"

#include "games/spades/spades_play.h"

namespace spadesrules {
namespace {

bool holds(const SpadesTable& t, int seat, MaybeSuit suit) {
    return suitcountOf(t, seat, suit) >= 1;
}

int teamTricks(const SpadesTable& t, int seat) {
    return t.trickswon[seat] + t.trickswon[partnerOf(seat)];
}

// The seat's lowest held card of any suit, the first of it in slot order.
int lowestHeld(const SpadesTable& t, int seat) {
    int best = 0;
    for (int slot : slotsOf(seat))
        if (isHeld(t, slot) && (!best || t.cardrank[slot] < t.cardrank[best])) best = slot;
    return best;
}

int randomHeld(const SpadesTable& t, int seat, const Draw& rndnum) {
    bool any = false;
    for (int slot : slotsOf(seat)) any = any || isHeld(t, slot);
    if (!any) return 0;
    int slot = 0;
    do {
        slot = rndnum(13, firstSlot(seat));
    } while (!isHeld(t, slot));
    return slot;
}

}  // namespace

void chooseSuit(SpadesTable& t, int seat) {
    const MaybeSuit led = t.tricksuit[t.leader];
    const bool follows = (led == Suit::Clubs && holds(t, seat, led)) ||
                         (led == Suit::Spades && holds(t, seat, led) && t.spadesbroken == -1) ||
                         (led == Suit::Diamonds && holds(t, seat, led)) || (led == Suit::Hearts && holds(t, seat, led));
    if (follows) {
        t.compsuit = led;
        return;
    }
    const bool mayTrump = holds(t, seat, Suit::Spades) && t.leader != seat && t.trickswon[seat] < t.bid[seat];
    for (Suit suit : {Suit::Hearts, Suit::Clubs, Suit::Diamonds})
        if (holds(t, seat, suit)) t.compsuit = suit;
    if (suitcountOf(t, seat, Suit::Spades) == t.cardsleft || mayTrump) {
        t.compsuit = Suit::Spades;
        t.spadesbroken = -1;
    }
}

void judgeChance(SpadesTable& t, int seat) {
    t.cantwin = 0;
    if (t.leader == seat) return;
    const MaybeSuit& led = t.tricksuit[t.leader];
    if (t.compsuit != led && t.compsuit != Suit::Spades) t.cantwin = 1;
    const int best = highestOf(t, seat, t.compsuit);
    const int bestRank = best ? t.cardrank[best] : 0;
    for (int other = 1; other <= 4; ++other) {
        if (other == seat) continue;
        const bool counts = t.tricksuit[other] == Suit::Spades || t.tricksuit[other] == t.compsuit;
        if (counts && t.trickvalue[other] > bestRank) t.cantwin = 1;
    }
}

bool playsLow(const SpadesTable& t, int seat) {
    return teamTricks(t, seat) >= t.bid[seat] || t.nilbid[seat] == -1 || t.blindnil[seat] == -1 || t.cantwin == 1;
}

int pickCard(SpadesTable& t, int seat, bool low, const Draw& rndnum) {
    if (low) {
        t.pickslot = lowestOf(t, seat, t.compsuit);
        // Only counts that disagree with the hand get here; the seat still plays a card it holds.
        if (!t.pickslot) t.pickslot = lowestHeld(t, seat);
        return t.pickslot;
    }
    t.pickslot = highestOf(t, seat, t.compsuit);
    if (!t.pickslot) t.pickslot = randomHeld(t, seat, rndnum);
    return t.pickslot;
}

int decide(SpadesTable& t, int seat, const Draw& rndnum) {
    chooseSuit(t, seat);
    judgeChance(t, seat);
    return pickCard(t, seat, playsLow(t, seat), rndnum);
}

int passTurn(int turn) {
    return turn == kUser ? turn : core::nextSeat(turn);
}

PlayStep playTurn(SpadesTable& t, const Draw& rndnum) {
    PlayStep step{t.turn};
    if (step.seat == 1 || step.seat == 2 || step.seat == 4) {
        const int slot = decide(t, step.seat, rndnum);
        if (!slotOfSeat(step.seat, slot)) {
            step.next = Next::Stuck;
            return step;
        }
        recordPlay(t, step.seat, slot);
        step.slot = slot;
    }
    t.turn = passTurn(t.turn);
    if (trickComplete(t)) step.next = Next::Judge;
    else if (t.turn == kUser) step.next = Next::User;
    return step;
}

}  // namespace spadesrules
