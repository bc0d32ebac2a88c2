#include "games/memory/memory_table.h"

namespace memoryrules {

void newGame(MemoryTable& t) {
    t.playermatches = 0;
    t.compmatches = 0;
    t.firstpair = kNoFirst;
    t.secondpair = kNoSecond;
    t.firstcard = kNoFirst;
    t.secondcard = kNoSecond;
    t.turncount = 0;
    for (int i = 1; i <= t.cards; ++i) {
        t.tag[i] = kInPlay;
        t.cardused[i] = 0;
        t.compmemory[i] = 0;
    }
}

void layAll(MemoryTable& t) {
    for (int i = 1; i <= t.cards; ++i) t.tag[i] = kInPlay;
}

bool gameOver(const MemoryTable& t) { return t.playermatches + t.compmatches >= pairsOn(t.board); }

bool onBoard(const MemoryTable& t, int position) { return position >= 1 && position <= t.cards; }

}  // namespace memoryrules
