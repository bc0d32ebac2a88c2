#include "games/spades/spades_deal.h"

#include "core/cards.h"

namespace spadesrules {

void suitnum(SpadesTable& t, int slot) {
    const int code = t.deckorder[slot];
    if (code < 1 || code > 52) return;
    t.cardsuit[slot] = core::suitofcode(code);
    t.cardrank[slot] = core::rankof(code);
}

void beginDeal(SpadesTable& t) {
    t.spadesbroken = 0;
    t.cardsleft = 13;
}

void newGame(SpadesTable& t) {
    t.bags.fill(0);
    t.teamscore.fill(0);
}

void clearTrick(SpadesTable& t) {
    t.trickvalue.fill(0);
    t.trickslot.fill(0);
    t.tricksuit.fill(std::nullopt);
    t.bestvalue = 0;
}

bool blindNilOffered(const SpadesTable& t) {
    return t.teamscore[kOurs] <= t.teamscore[kTheirs] - 100;
}

bool weTrailBeyondHundred(const SpadesTable& t) {
    return t.teamscore[kOurs] < t.teamscore[kTheirs] - 100;
}

bool theyTrailByHundred(const SpadesTable& t) {
    return t.teamscore[kTheirs] <= t.teamscore[kOurs] - 100;
}

}  // namespace spadesrules
