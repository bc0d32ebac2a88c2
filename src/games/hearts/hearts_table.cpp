#include "games/hearts/hearts_table.h"

#include "common/cards.h"

namespace heartsrules {
namespace {

using Counts = std::array<int, 5> HeartsTable::*;

Counts countsOf(std::string_view suit) {
    if (suit == common::kHearts) return &HeartsTable::heartcount;
    if (suit == common::kClubs) return &HeartsTable::clubcount;
    if (suit == common::kSpades) return &HeartsTable::spadecount;
    if (suit == common::kDiamonds) return &HeartsTable::diamondcount;
    return nullptr;
}

}  // namespace

int seatOfSlot(int slot) {
    if (slot <= 13) return 4;
    if (slot <= 26) return 2;
    if (slot <= 39) return kTop;
    return kUser;
}

int firstSlot(int seat) {
    switch (seat) {
    case kTop: return 27;
    case 2: return 14;
    case 4: return 1;
    default: return 40;
    }
}

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
