#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/spades/spades.h"
#include "games/spades/spades_play.h"
#include "games/spades/spadescore.h"

#include <vector>

// Spades: every card dealt once, one step of the table at a time.
namespace {

using namespace spadesrules;

std::string spadesHolds(spades& s) { return gp::everyCodeOnce(s.table.deckorder, 52); }

// The cards the user may play or trade, the bids and the trade button.
std::vector<platform::Control*> spadesMoves(spades& s) {
    std::vector<platform::Control*> moves{&s.Command5};
    for (int slot : slotsOf(kUser))
        if (s.table.tradephase == -1 || userMayPlay(s.table, slot)) moves.push_back(&s.Image1[slot]);
    for (int bid = s.Command3.LBound(); bid <= s.Command3.UBound(); ++bid) moves.push_back(&s.Command3[bid]);
    return moves;
}

platform::Form* spadesTable() { return platform::loaded<spades>(); }

const bool spadesPlayed = gp::playRules<spades>(
    "spades", {.timers = 1, .locks = common::mainwindow, .holds = spadesHolds, .moves = spadesMoves});
const bool spadesScorePlayed = gp::playRules<Spadescore>("spades score", {.played = false, .locks = spadesTable});

}  // namespace
