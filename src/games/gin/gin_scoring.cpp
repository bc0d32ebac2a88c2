#include "games/gin/gin_scoring.h"

#include "core/cards.h"

namespace ginrules {
namespace {

constexpr int kUndercutBonus = 20;
constexpr int kGinBonus = 25;

// Whether the card one rank from slot c's, in its suit, ends a run of the knocker's.
bool extendsRun(const GinTable& t, int c, int step, int knocker) {
    const int next = slotOfCard(t, t.cardsuit[c], t.cardrank[c] + step);
    return next != 0 && inHand(t.tag[next], knocker) && t.runmark[t.tag[next]] == -1;
}

}  // namespace

void layoff(GinTable& t, int knocker) {
    const int other = otherSide(knocker);
    for (int slot = 1; slot <= core::kDeckSize; ++slot) {
        const int tag = t.tag[slot];
        if (!inHand(tag, other)) continue;
        if (t.rankcount[knocker][t.cardrank[slot]] >= 3 || extendsRun(t, slot, 1, knocker) ||
            extendsRun(t, slot, -1, knocker))
            t.meldmark[tag] = -1;
    }
    t.unmatched[other] = unmatchedOf(t, other);
}

Points knockPoints(int knocker, int userTotal, int computerTotal) {
    const int knockerTotal = knocker == kUser ? userTotal : computerTotal;
    const int otherTotal = knocker == kUser ? computerTotal : userTotal;
    if (knockerTotal > otherTotal) return {otherSide(knocker), knockerTotal - otherTotal + kUndercutBonus, true};
    return {knocker, otherTotal - knockerTotal, false};
}

Points ginPoints(int side, int otherTotal) { return {side, otherTotal + kGinBonus, false}; }

Points settle(GinTable& t, HandEnd end) {
    Points p;
    switch (end) {
    case HandEnd::UserGin: p = ginPoints(kUser, t.unmatched[kComputer]); break;
    case HandEnd::ComputerGin: p = ginPoints(kComputer, t.unmatched[kUser]); break;
    case HandEnd::UserKnocks:
    case HandEnd::ComputerKnocks: {
        const int knocker = end == HandEnd::UserKnocks ? kUser : kComputer;
        layoff(t, knocker);
        p = knockPoints(knocker, t.unmatched[kUser], t.unmatched[kComputer]);
        break;
    }
    case HandEnd::DeadHand:
    case HandEnd::None: break;
    }
    if (p.side) t.gamescore[p.side] += p.points;
    t.handover = true;
    t.turn = 0;
    return p;
}

Outcome gameOutcome(int userTotal, int computerTotal, int target) {
    if (userTotal >= target) return Outcome::UserWon;
    if (computerTotal >= target) return Outcome::ComputerWon;
    return Outcome::Playing;
}

int firstPlayer(int drawn, int userTotal, int computerTotal, int target) {
    return gameOutcome(userTotal, computerTotal, target) == Outcome::Playing ? drawn : kUser;
}

}  // namespace ginrules
