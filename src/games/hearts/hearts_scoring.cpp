#include "games/hearts/hearts_scoring.h"

#include "games/hearts/hearts_deal.h"

#include "core/cards.h"

namespace heartsrules {

int judgeTrick(HeartsTable& t) {
    t.trickrank = t.trickvalue;
    const MaybeSuit led = t.tricksuit[t.leader];
    for (int seat = 1; seat <= 4; ++seat)
        if (t.tricksuit[seat] == led) t.trickvalue[seat] += 130;
    return t.winner = core::trickwinner(t.trickvalue);
}

bool scoreTrick(HeartsTable& t, bool jackRule) {
    const int w = t.winner;
    for (int seat = 1; seat <= 4; ++seat) {
        const MaybeSuit& suit = t.tricksuit[seat];
        const int rank = t.trickrank[seat];
        if (suit == Suit::Spades && rank == 12) t.gamescore[w] += 13;
        else if (suit == Suit::Hearts) t.gamescore[w] += 1;
        else if (jackRule && suit == Suit::Diamonds && rank == 11) t.gamescore[w] -= 10;
        else continue;
        ++t.pointcards[w];
    }
    for (int seat = 1; seat <= 4; ++seat)
        if (t.trickslot[seat]) t.tag[t.trickslot[seat]] = playedTag(w);
    clearTrick(t);
    t.leader = t.turn = w;
    if (--t.tricksleft > 0) return false;
    t.handplaying = false;
    return true;
}

int settleMoon(HeartsTable& t, bool jackRule) {
    const int all = jackRule ? 15 : 14;
    int shooter = 0;
    for (int seat = 1; seat <= 4 && !shooter; ++seat)
        if (t.pointcards[seat] == all) shooter = seat;
    for (int seat = 1; seat <= 4 && shooter; ++seat)
        t.gamescore[seat] += seat == shooter ? -26 : 26;
    t.pointcards.fill(0);
    return shooter;
}

int gameWinner(const HeartsTable& t) {
    bool over = false;
    for (int seat = 1; seat <= 4; ++seat) over = over || t.gamescore[seat] >= 100;
    if (!over) return 0;
    int best = t.gamescore[2] < t.gamescore[1] ? 2 : 1;
    for (int seat = 3; seat <= 4; ++seat)
        if (t.gamescore[seat] < t.gamescore[best]) best = seat;
    return best;
}

void advancePass(HeartsTable& t) {
    t.passstate = t.passstate % 4 + 1;
    t.heartsbroken = 0;
}

}  // namespace heartsrules
