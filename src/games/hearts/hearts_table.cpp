#include "games/hearts/hearts_table.h"

#include "core/cards.h"

namespace heartsrules {
namespace {

using Counts = std::array<int, 5> HeartsTable::*;

Counts countsOf(std::string_view suit) {
    if (suit == core::kHearts) return &HeartsTable::heartcount;
    if (suit == core::kClubs) return &HeartsTable::clubcount;
    if (suit == core::kSpades) return &HeartsTable::spadecount;
    if (suit == core::kDiamonds) return &HeartsTable::diamondcount;
    return nullptr;
}

}  // namespace

int* suitcount(HeartsTable& t, int seat, std::string_view suit) {
    const Counts counts = countsOf(suit);
    return counts ? &(t.*counts)[seat] : nullptr;
}

int suitcountOf(const HeartsTable& t, int seat, std::string_view suit) {
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
