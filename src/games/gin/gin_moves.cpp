#include "games/gin/gin_moves.h"

#include "core/cards.h"

namespace ginrules {

void beginDeal(GinTable& t, int knockmood) {
    t.knockmood = knockmood;
    t.drawn = 0;
    t.pilecount = 1;
    t.stockcount = kStockSize;
    t.turn = 0;
    t.handover = false;
    t.runmark.fill(0);
    t.meldmark.fill(0);
    t.keepmark.fill(0);
    t.cardused.fill(0);
}

void layDeal(GinTable& t) {
    for (int slot = 1; slot <= core::kDeckSize; ++slot) {
        suitAndRank(t, slot);
        if (slot <= kHandSize)
            t.tag[slot] = kComputerHand + slot;
        else if (slot <= 2 * kHandSize)
            t.tag[slot] = kUserHand + slot - kHandSize;
        else if (slot == 2 * kHandSize + 1)
            t.tag[slot] = kPile + 1;
        else
            t.tag[slot] = slot - (2 * kHandSize + 1);
    }
}

void setDeal(GinTable& t, const std::array<std::int16_t, 52>& order) {
    for (int slot = 1; slot <= core::kDeckSize; ++slot) {
        t.deckorder[slot] = order[static_cast<std::size_t>(slot - 1)];
        t.cardused[t.deckorder[slot]] = -1;
    }
}

int drawStock(GinTable& t, int side) {
    if (!slotOfTag(t, 1)) return 0;
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (inStock(t.tag[slot])) --t.tag[slot];
    const int drawn = slotOfTag(t, 0);
    t.tag[drawn] = drawnTag(side);
    --t.stockcount;
    return drawn;
}

int takePile(GinTable& t, int side) {
    const int top = pileTop(t);
    if (!top) return 0;
    t.tag[top] = drawnTag(side);
    --t.pilecount;
    if (side == kComputer) t.keepmark[drawnTag(kComputer)] = -1;
    return top;
}

int discard(GinTable& t, int side, int tag) {
    const int slot = heldBy(tag, side) ? slotOfTag(t, tag) : 0;
    if (!slot) return 0;
    ++t.pilecount;
    for (int other = 1; other <= core::kDeckSize; ++other)
        if (heldBy(t.tag[other], side) && t.tag[other] > tag) --t.tag[other];
    t.tag[slot] = kPile + t.pilecount;
    return slot;
}

UserMove userMove(const GinTable& t, int slot) {
    if (t.turn != kUser) return UserMove::None;
    const int tag = t.tag[slot];
    if (t.drawn == 0 && onPile(tag) && tag == kPile + t.pilecount) return UserMove::TakePile;
    if (t.drawn == -1 && heldBy(tag, kUser)) return UserMove::Discard;
    return UserMove::None;
}

bool userMayDraw(const GinTable& t) { return t.turn == kUser && t.drawn == 0; }

}  // namespace ginrules
