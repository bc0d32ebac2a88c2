#include "games/euchre/euchre_table.h"

#include <algorithm>
#include <cctype>

namespace euchrerules {

int firstSlot(int seat) {
    switch (seat) {
    case 1: return 11;
    case 2: return 16;
    case 3: return 1;
    case 4: return 6;
    default: return 0;
    }
}

int seatOfSlot(int slot) {
    if (slot >= 1 && slot <= 5) return 3;
    if (slot >= 6 && slot <= 10) return 4;
    if (slot >= 11 && slot <= 15) return 1;
    if (slot >= 16 && slot <= 20) return 2;
    return 0;
}

int suitIndex(MaybeSuit suit) {
    if (!suit) return -1;
    return static_cast<int>(std::ranges::find(kSuitOrder, *suit) - kSuitOrder.begin());
}

int suitcountOf(const EuchreTable& t, int seat, MaybeSuit suit) {
    const int index = suitIndex(suit);
    if (index < 0 || seat < 1 || seat > 4) return 0;
    return t.suitcount[index][seat];
}

int* suitcount(EuchreTable& t, int seat, MaybeSuit suit) {
    const int index = suitIndex(suit);
    if (index < 0 || seat < 1 || seat > 4) return nullptr;
    return &t.suitcount[index][seat];
}

MaybeSuit sameColour(MaybeSuit suit) {
    if (!suit) return std::nullopt;
    switch (*suit) {
    case Suit::Spades: return Suit::Clubs;
    case Suit::Clubs: return Suit::Spades;
    case Suit::Hearts: return Suit::Diamonds;
    case Suit::Diamonds: return Suit::Hearts;
    }
    return std::nullopt;
}

bool isLeftBower(int value, MaybeSuit printedSuit, MaybeSuit trump) {
    return value == 11 && trump && printedSuit == sameColour(trump);
}

std::string capitalised(Suit suit) {
    std::string name(core::suitword(suit));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

}  // namespace euchrerules
