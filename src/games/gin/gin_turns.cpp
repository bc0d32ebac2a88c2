#include "games/gin/gin_turns.h"

#include "games/gin/gin_melds.h"
#include "games/gin/gin_moves.h"

namespace ginrules {

int userDrawsStock(GinTable& t) {
    const int slot = drawStock(t, kUser);
    if (slot) t.drawn = -1;
    return slot;
}

int userTakesPile(GinTable& t) {
    const int slot = takePile(t, kUser);
    if (slot) t.drawn = -1;
    return slot;
}

bool userDiscards(GinTable& t, int slot) {
    if (slot < 1 || slot > core::kDeckSize || !heldBy(t.tag[slot], kUser)) return false;
    t.drawn = 0;
    discard(t, kUser, t.tag[slot]);
    t.turn = kComputer;
    matching(t);
    return true;
}

ComputerTurn computerTurn(GinTable& t, const Draw& rndnum) {
    const int drawn = takesPile(t) ? takePile(t, kComputer) : drawStock(t, kComputer);
    if (!drawn) return {};
    const int discarded = discard(t, kComputer, chooseDiscard(t, rndnum));
    t.turn = kUser;
    setkeepmarks(t);
    matching(t);
    return {drawn, discarded};
}

}  // namespace ginrules
