#include "games/hearts/hearts_play.h"

#include "core/cards.h"

#include <algorithm>

namespace heartsrules {
namespace {

bool userHoldsTwoOfClubs(const HeartsTable& t) {
    return std::ranges::any_of(slotsOf(kUser), [&](int slot) { return t.deckorder[slot] == kTwoOfClubs; });
}

bool onlyHearts(const HeartsTable& t, int seat) {
    return t.heartcount[seat] >= t.cardsleft[seat];
}

}  // namespace

void cardcount(HeartsTable& t) {
    clearSuitCounts(t);
    for (int slot = 1; slot <= 52; ++slot) {
        const int seat = seatOfSlot(slot);
        if (int* count = suitcount(t, seat, t.cardsuit[slot])) ++*count;
        t.tag[slot] = seat;
    }
}

void recordPlay(HeartsTable& t, int seat, int slot) {
    t.trickslot[seat] = slot;
    if (int* count = suitcount(t, seat, t.cardsuit[slot])) --*count;
    t.tricksuit[seat] = t.cardsuit[slot];
    t.trickvalue[seat] = t.cardrank[slot] == 1 ? 14 : t.cardrank[slot];
    t.tag[slot] = playedTag(seat);
    --t.cardsleft[seat];
}

void pressButton(HeartsTable& t) {
    for (int seat = 1; seat <= 4; ++seat) t.cardsleft[seat] = 13;
    t.passphase = 0;
}

Opening startHand(HeartsTable& t) {
    t.tricksleft = kFirstTrick;
    cardcount(t);
    for (int slot = 1; slot <= 52; ++slot)
        if (t.cardrank[slot] == 1) t.cardrank[slot] = 14;
    Opening opening;
    for (int slot = 1; slot <= 52 && !opening.slot; ++slot)
        if (t.deckorder[slot] == kTwoOfClubs) opening = {slot, seatOfSlot(slot)};
    t.leader = opening.seat;
    t.turn = opening.seat == kUser ? kUser : nextTurn(opening.seat);
    if (opening.seat != kUser) recordPlay(t, opening.seat, opening.slot);
    t.handplaying = true;
    return opening;
}

bool userMayClick(const HeartsTable& t, int slot) {
    return slotOfSeat(kUser, slot) && t.passphase == 0 && t.turn == kUser && t.handplaying && isHeld(t, slot);
}

bool legalForUser(const HeartsTable& t, int slot) {
    const MaybeSuit& led = t.tricksuit[t.leader];
    const MaybeSuit& suit = t.cardsuit[slot];
    const bool firstTrick = t.tricksleft == kFirstTrick;
    bool legal = suit == led || suitcountOf(t, kUser, led) < 1;
    if (suit == Suit::Hearts && firstTrick && !onlyHearts(t, kUser)) legal = false;
    if (firstTrick && userHoldsTwoOfClubs(t)) legal = t.deckorder[slot] == kTwoOfClubs;
    else if (firstTrick && t.leader == kUser) legal = true;
    if (suit == Suit::Hearts && t.leader == kUser && t.heartsbroken == 0) legal = false;
    return legal;
}

bool playUser(HeartsTable& t, int slot) {
    if (!userMayClick(t, slot)) return false;
    if (onlyHearts(t, kUser)) t.heartsbroken = -1;
    if (!legalForUser(t, slot)) return false;
    if (t.cardsuit[slot] == Suit::Hearts) t.heartsbroken = -1;
    recordPlay(t, kUser, slot);
    t.turn = nextTurn(kUser);
    return true;
}

}  // namespace heartsrules
