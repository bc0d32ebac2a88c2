#include "games/hearts/hearts_table.h"

namespace heartsrules {
namespace {

using Counts = std::array<int, 5> HeartsTable::*;

Counts countsOf(std::string_view suit) {
    if (suit == "hearts") return &HeartsTable::heartcount;
    if (suit == "clubs") return &HeartsTable::clubcount;
    if (suit == "spades") return &HeartsTable::spadecount;
    if (suit == "diamonds") return &HeartsTable::diamondcount;
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

}  // namespace heartsrules
