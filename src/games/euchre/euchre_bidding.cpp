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

MaybeSuit roundTwoSuit(const EuchreTable& t, int seat) {
    static constexpr std::array<Suit, 4> order{Suit::Hearts, Suit::Clubs, Suit::Diamonds, Suit::Spades};
    for (Suit suit : order)
        if (suitcountOf(t, seat, suit) >= 3) return suit;
    if (seat != t.lastbidder) return std::nullopt;
    for (Suit suit : order)
        if (suitcountOf(t, seat, suit) >= 2) return suit;
    return std::nullopt;
}

std::string trumpfile(MaybeSuit suit) {
    if (!suit) return {};
    switch (*suit) {
    case Suit::Hearts: return "\\Images\\hearts.bmp";
    case Suit::Clubs: return "\\Images\\clubs1.bmp";
    case Suit::Spades: return "\\Images\\spades.bmp";
    case Suit::Diamonds: return "\\Images\\diamonds.bmp";
    }
    return {};
}

}  // namespace euchrerules
