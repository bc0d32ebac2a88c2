#include "games/hearts/hearts_table.h"

#include "core/cards.h"

namespace heartsrules {
namespace {

using Counts = std::array<int, 5> HeartsTable::*;

Counts countsOf(MaybeSuit suit) {
    if (suit == Suit::Hearts) return &HeartsTable::heartcount;
    if (suit == Suit::Clubs) return &HeartsTable::clubcount;
    if (suit == Suit::Spades) return &HeartsTable::spadecount;
    if (suit == Suit::Diamonds) return &HeartsTable::diamondcount;
    return nullptr;
}

}  // namespace

int* suitcount(HeartsTable& t, int seat, MaybeSuit suit) {
    const Counts counts = countsOf(suit);
    return counts ? &(t.*counts)[seat] : nullptr;
}

int suitcountOf(const HeartsTable& t, int seat, MaybeSuit suit) {
    const Counts counts = countsOf(suit);
    return counts ? (t.*counts)[seat] : 0;
}

void clearSuitCounts(HeartsTable& t) {
    t.heartcount.fill(0);
    t.clubcount.fill(0);
    t.spadecount.fill(0);
    t.diamondcount.fill(0);
}

}  // namespace heartsrules
