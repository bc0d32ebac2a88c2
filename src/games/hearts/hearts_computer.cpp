#include "games/hearts/hearts_computer.h"

#include "games/hearts/hearts_play.h"

#include "core/cards.h"

namespace heartsrules {
namespace {

constexpr int kJack = 11;
constexpr int kQueen = 12;

bool holds(const HeartsTable& t, int seat, MaybeSuit suit) {
    return suitcountOf(t, seat, suit) >= 1;
}

bool heldOfSuit(const HeartsTable& t, int slot, MaybeSuit suit) {
    return isHeld(t, slot) && t.cardsuit[slot] == suit;
}

// The seat's held slot of a suit with the lowest or highest rank; 0 when there is none.
template <class Accept>
int extremeOf(const HeartsTable& t, int seat, MaybeSuit suit, bool lowest, Accept accept) {
    int best = 0;
    for (int slot : slotsOf(seat)) {
        if (!heldOfSuit(t, slot, suit) || !accept(slot)) continue;
        if (!best || (lowest ? t.cardrank[slot] < t.cardrank[best] : t.cardrank[slot] > t.cardrank[best]))
            best = slot;
    }
    return best;
}

// Without a card of the led suit: diamonds before clubs before spades, hearts only as the
// rules allow after the first trick.
void chooseOtherSuit(HeartsTable& t, int seat) {
    if (holds(t, seat, Suit::Spades)) t.compsuit = Suit::Spades;
    if (holds(t, seat, Suit::Clubs)) t.compsuit = Suit::Clubs;
    if (holds(t, seat, Suit::Diamonds)) t.compsuit = Suit::Diamonds;
    if (t.tricksleft == kFirstTrick) return;
    if (t.heartsbroken == -1 && t.leader != seat) {
        if (holds(t, seat, Suit::Hearts)) t.compsuit = Suit::Hearts;
        return;
    }
    if (t.heartcount[seat] == t.cardsleft[seat] && t.leader == seat && holds(t, seat, Suit::Hearts)) {
        t.compsuit = Suit::Hearts;
        t.heartsbroken = -1;
    }
}

// When the user led something other than spades, a seat that cannot follow gives away the queen.
int queenToDump(const HeartsTable& t, int seat, MaybeSuit led) {
    if (t.leader != kUser || led == Suit::Spades) return 0;
    for (int slot : slotsOf(seat))
        if (isHeld(t, slot) && t.deckorder[slot] == kQueenOfSpades) return slot;
    return 0;
}

int pickHeart(const HeartsTable& t, int seat, MaybeSuit led) {
    const bool lowest = t.leader == seat || led == Suit::Hearts;
    return extremeOf(t, seat, Suit::Hearts, lowest, [](int) { return true; });
}

bool dangerous(const HeartsTable& t, int seat) {
    if (t.cardsleft[seat] < 10) return true;
    bool allHearts = true;
    for (int other = 1; other <= 4; ++other) {
        if (other == seat) continue;
        if (t.tricksuit[other] == Suit::Spades || t.trickvalue[other] == kQueen) return true;
        allHearts = allHearts && t.tricksuit[other] == Suit::Hearts;
    }
    return allHearts;
}

// The highest card of the chosen suit, or the lowest when the trick may hurt; the jack of
// diamonds and a leader's queen of spades are kept back while the seat has company for them.
int pickOfSuit(const HeartsTable& t, int seat, bool jackRule) {
    const auto accept = [&](int slot) {
        const int rank = t.cardrank[slot];
        const MaybeSuit& suit = t.cardsuit[slot];
        if (jackRule && suit == Suit::Diamonds && rank == kJack && t.diamondcount[seat] >= 2) return false;
        if (suit == Suit::Spades && rank == kQueen && t.leader == seat && t.spadecount[seat] >= 2) return false;
        return true;
    };
    return extremeOf(t, seat, t.compsuit, dangerous(t, seat), accept);
}

// Draws random slots of the seat until one is held, once for each card that qualifies.
int drawHeld(const HeartsTable& t, int seat, int times, const Draw& rndnum) {
    int slot = 0;
    for (int k = 0; k < times; ++k) {
        do {
            slot = rndnum(kHandSize) + firstSlot(seat) - 1;
        } while (!isHeld(t, slot));
    }
    return slot;
}

int heldCount(const HeartsTable& t, int seat, const MaybeSuit* suit) {
    int count = 0;
    for (int slot : slotsOf(seat))
        if (isHeld(t, slot) && (!suit || t.cardsuit[slot] == *suit)) ++count;
    return count;
}

int randomPick(const HeartsTable& t, int seat, const Draw& rndnum) {
    const int slot = drawHeld(t, seat, heldCount(t, seat, &t.compsuit), rndnum);
    return slot ? slot : drawHeld(t, seat, heldCount(t, seat, nullptr), rndnum);
}

// With the rule on, a seat takes the user's jack of diamonds with the ace, king or queen
// whenever it may play a diamond.
int jackCapture(const HeartsTable& t, int seat, MaybeSuit led) {
    if (t.tricksuit[kUser] != Suit::Diamonds || t.trickvalue[kUser] != kJack) return 0;
    int taker = 0;
    for (int slot : slotsOf(seat))
        if (heldOfSuit(t, slot, Suit::Diamonds) && t.cardrank[slot] >= kQueen) taker = slot;
    if (!taker) return 0;
    const bool followsDiamonds = led == Suit::Diamonds && holds(t, seat, Suit::Diamonds);
    const bool voidInLed = (led == Suit::Clubs || led == Suit::Spades || led == Suit::Hearts) && !holds(t, seat, led);
    return followsDiamonds || voidInLed ? taker : 0;
}

// The seat that puts the last card into a diamond trick plays its jack of diamonds there.
int jackLast(const HeartsTable& t, int seat, MaybeSuit led) {
    if (led != Suit::Diamonds || t.leader != nextTurn(seat)) return 0;
    for (int slot : slotsOf(seat))
        if (heldOfSuit(t, slot, Suit::Diamonds) && t.cardrank[slot] == kJack) return slot;
    return 0;
}

}  // namespace

int decide(HeartsTable& t, int seat, bool jackRule, const Draw& rndnum) {
    t.pickslot = 0;
    const MaybeSuit led = t.tricksuit[t.leader];
    if (t.heartcount[seat] >= t.cardsleft[seat]) t.heartsbroken = -1;
    if (holds(t, seat, led)) {
        t.compsuit = led;
    } else {
        chooseOtherSuit(t, seat);
        if (const int queen = queenToDump(t, seat, led)) {
            t.compsuit = Suit::Spades;
            return t.pickslot = queen;
        }
    }
    if (t.compsuit == Suit::Hearts) {
        t.pickslot = pickHeart(t, seat, led);
        // Only a hand whose counts disagree with its cards lacks the heart; it still plays a card.
        if (!t.pickslot) t.pickslot = randomPick(t, seat, rndnum);
        return t.pickslot;
    }
    t.pickslot = pickOfSuit(t, seat, jackRule);
    if (!t.pickslot) t.pickslot = randomPick(t, seat, rndnum);
    if (!jackRule) return t.pickslot;
    if (const int taker = jackCapture(t, seat, led)) {
        t.compsuit = Suit::Diamonds;
        t.pickslot = taker;
    }
    if (const int jack = jackLast(t, seat, led)) {
        t.compsuit = Suit::Diamonds;
        t.pickslot = jack;
    }
    return t.pickslot;
}

ComputerTurn computerTurn(HeartsTable& t, bool jackRule, const Draw& rndnum) {
    const int seat = t.turn;
    if (seat < 1 || seat > 4 || seat == kUser) return {};
    const int slot = decide(t, seat, jackRule, rndnum);
    if (!slotOfSeat(seat, slot)) return {seat, slot, false};
    recordPlay(t, seat, slot);
    t.turn = nextTurn(seat);
    return {seat, slot, true};
}

}  // namespace heartsrules
