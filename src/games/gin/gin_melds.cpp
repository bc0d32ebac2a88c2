#include "games/gin/gin_melds.h"

#include "core/cards.h"

namespace ginrules {
namespace {

constexpr int kGinKnockLimit = 9;
constexpr int kKnockingMood = 4;

bool inHandSlot(const GinTable& t, int slot, int side) { return slot != 0 && inHand(t.tag[slot], side); }

// Whether the side's hand holds the card `step` ranks away from slot c's card, in its suit.
bool holdsNeighbour(const GinTable& t, int c, int step, int side) {
    return inHandSlot(t, slotOfCard(t, t.cardsuit[c], t.cardrank[c] + step), side);
}

void judge(GinTable& t, int side) {
    countranks(t, side);
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (inHand(t.tag[slot], side) && t.rankcount[side][t.cardrank[slot]] >= 3) t.meldmark[t.tag[slot]] = -1;
    for (int tag = handBase(side) + 1; tag <= handBase(side) + kHandSize; ++tag) {
        const int c = slotOfTag(t, tag);
        if (!c) continue;
        const bool up1 = holdsNeighbour(t, c, 1, side), up2 = holdsNeighbour(t, c, 2, side);
        const bool down1 = holdsNeighbour(t, c, -1, side), down2 = holdsNeighbour(t, c, -2, side);
        if ((up1 && up2) || (up1 && down1) || (down1 && down2)) t.meldmark[tag] = t.runmark[tag] = -1;
    }
    t.unmatched[side] = unmatchedOf(t, side);
}

}  // namespace

void countranks(GinTable& t, int side) {
    t.rankcount[side].fill(0);
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (inHand(t.tag[slot], side)) ++t.rankcount[side][t.cardrank[slot]];
}

int unmatchedOf(const GinTable& t, int side) {
    int total = 0;
    for (int slot = 1; slot <= core::kDeckSize; ++slot)
        if (inHand(t.tag[slot], side) && t.meldmark[t.tag[slot]] == 0) total += cardvalue(t.cardrank[slot]);
    return total;
}

void matching(GinTable& t) {
    for (int side : {kComputer, kUser}) {
        for (int tag = handBase(side) + 1; tag <= handBase(side) + kHandSize; ++tag)
            t.meldmark[tag] = t.runmark[tag] = 0;
        judge(t, side);
    }
}

HandEnd handEnd(const GinTable& t) {
    if (t.unmatched[kUser] == 0) return HandEnd::UserGin;
    if (t.unmatched[kComputer] == 0) return HandEnd::ComputerGin;
    if (t.unmatched[kComputer] <= kGinKnockLimit && t.knockmood == kKnockingMood) return HandEnd::ComputerKnocks;
    return HandEnd::None;
}

void setkeepmarks(GinTable& t) {
    countranks(t, kComputer);
    for (int tag = kComputerHand + 1; tag <= drawnTag(kComputer); ++tag) t.keepmark[tag] = 0;
    for (int a = 1; a <= core::kDeckSize; ++a) {
        if (!heldBy(t.tag[a], kComputer)) continue;
        if (t.rankcount[kComputer][t.cardrank[a]] >= 2) t.keepmark[t.tag[a]] = -1;
        for (int b = 1; b <= core::kDeckSize; ++b) {
            if (!heldBy(t.tag[b], kComputer) || t.cardsuit[a] != t.cardsuit[b]) continue;
            if (t.cardrank[a] - t.cardrank[b] == 1 || t.cardrank[b] - t.cardrank[a] == 1)
                t.keepmark[t.tag[a]] = t.keepmark[t.tag[b]] = -1;
        }
    }
}

}  // namespace ginrules
