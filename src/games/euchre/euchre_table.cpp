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

int suitIndex(std::string_view suit) {
    const auto found = std::ranges::find(kSuitWords, suit);
    return found == kSuitWords.end() ? -1 : static_cast<int>(found - kSuitWords.begin());
}

int suitcountOf(const EuchreTable& t, int seat, std::string_view suit) {
    const int index = suitIndex(suit);
    if (index < 0 || seat < 1 || seat > 4) return 0;
    return t.suitcount[index][seat];
}

int* suitcount(EuchreTable& t, int seat, std::string_view suit) {
    const int index = suitIndex(suit);
    if (index < 0 || seat < 1 || seat > 4) return nullptr;
    return &t.suitcount[index][seat];
}

std::string_view sameColour(std::string_view suit) {
    if (suit == "spades") return "clubs";
    if (suit == "clubs") return "spades";
    if (suit == "hearts") return "diamonds";
    if (suit == "diamonds") return "hearts";
    return {};
}

bool isLeftBower(int value, std::string_view printedSuit, std::string_view trump) {
    return value == 11 && !trump.empty() && printedSuit == sameColour(trump);
}

std::string capitalised(std::string_view suit) {
    std::string name(suit);
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

}  // namespace euchrerules
