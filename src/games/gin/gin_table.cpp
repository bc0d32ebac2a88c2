#include "games/gin/gin_table.h"

#include "core/cards.h"

#include <algorithm>

namespace ginrules {

void suitAndRank(GinTable& t, int slot) {
    const int code = t.deckorder[slot];
    if (code < 1 || code > core::kDeckSize) return;
    t.cardsuit[slot] = core::suitofcode(code);
    t.cardrank[slot] = core::rankof(code);
}

int slotOfTag(const GinTable& t, int tag) {
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (t.tag[slot] == tag) return slot;
    return 0;
}

int slotOfCard(const GinTable& t, core::MaybeSuit suit, int rank) {
    if (rank < 1 || rank > 13) return 0;
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (t.cardrank[slot] == rank && t.cardsuit[slot] == suit) return slot;
    return 0;
}

int cardvalue(int rank) { return std::min(rank, 10); }

}  // namespace ginrules
