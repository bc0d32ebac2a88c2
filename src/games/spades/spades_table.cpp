#include "games/spades/spades_table.h"

#include "core/cards.h"

namespace spadesrules {

int blockOf(MaybeSuit suit) { return suit ? static_cast<int>(*suit) : -1; }

int teamOf(int seat) {
    return seat == 1 || seat == 3 ? kOurs : kTheirs;
}

int partnerOf(int seat) {
    return (seat + 1) % 4 + 1;
}

int suitcountOf(const SpadesTable& t, int seat, MaybeSuit suit) {
    const int block = blockOf(suit);
    return block < 0 ? 0 : t.suitcount[block][seat];
}

void lowerSuitcount(SpadesTable& t, int seat, MaybeSuit suit) {
    const int block = blockOf(suit);
    if (block >= 0) --t.suitcount[block][seat];
}

int highestOf(const SpadesTable& t, int seat, MaybeSuit suit) {
    int best = 0;
    for (int slot : slotsOf(seat))
        if (isHeld(t, slot) && t.cardsuit[slot] == suit && t.cardrank[slot] > (best ? t.cardrank[best] : 0))
            best = slot;
    return best;
}

int lowestOf(const SpadesTable& t, int seat, MaybeSuit suit) {
    int best = 0;
    for (int slot : slotsOf(seat))
        if (isHeld(t, slot) && t.cardsuit[slot] == suit && (!best || t.cardrank[slot] < t.cardrank[best]))
            best = slot;
    return best;
}

}  // namespace spadesrules
