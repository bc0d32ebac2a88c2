#include "games/gin/gin_table.h"

#include "common/cards.h"

#include <algorithm>

namespace ginrules {

void suitAndRank(GinTable& t, int slot) {
    const int code = t.deckorder[slot];
    if (code < 1 || code > common::kDeckSize) return;
    t.cardsuit[slot] = std::string(common::suitof(code));
    t.cardrank[slot] = common::rankof(code);
}

int slotOfTag(const GinTable& t, int tag) {
    for (int slot = 1; slot <= common::kDeckSize; ++slot)
        if (t.tag[slot] == tag) return slot;
    return 0;
}

int slotOfCard(const GinTable& t, std::string_view suit, int rank) {
    if (rank < 1 || rank > 13) return 0;
    for (int slot = 1; slot <= common::kDeckSize; ++slot)
        if (t.cardrank[slot] == rank && t.cardsuit[slot] == suit) return slot;
    return 0;
}

int cardvalue(int rank) { return std::min(rank, 10); }

}  // namespace ginrules
