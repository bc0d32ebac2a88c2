#include "games/euchre/euchre_bidding.h"

#include <array>

namespace euchrerules {

void rainman(EuchreTable& t) {
    t.suitcount = {};
    for (int seat = 1; seat <= 4; ++seat)
        for (int slot = firstSlot(seat); slot <= lastSlot(seat); ++slot)
            if (int* count = suitcount(t, seat, t.cardsuit[slot])) ++*count;
}

bool acceptsTurned(const EuchreTable& t, int seat) {
    return suitcountOf(t, seat, t.cardsuit[kTurnedSlot]) >= 3;
}

std::string_view roundTwoSuit(const EuchreTable& t, int seat) {
    static constexpr std::array<std::string_view, 4> order{"hearts", "clubs", "diamonds", "spades"};
    for (std::string_view suit : order)
        if (suitcountOf(t, seat, suit) >= 3) return suit;
    if (seat != t.lastbidder) return {};
    for (std::string_view suit : order)
        if (suitcountOf(t, seat, suit) >= 2) return suit;
    return {};
}

std::string trumpfile(std::string_view suit) {
    if (suit == "hearts") return "\\Images\\hearts.bmp";
    if (suit == "clubs") return "\\Images\\clubs1.bmp";
    if (suit == "spades") return "\\Images\\spades.bmp";
    if (suit == "diamonds") return "\\Images\\diamonds.bmp";
    return {};
}

}  // namespace euchrerules
