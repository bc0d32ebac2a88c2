#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/euchre/euchre.h"
#include "games/euchre/euchre_play.h"
#include "games/euchre/euchrescore.h"

#include <vector>

// Euchre: every card dealt once, one step of the table at a time, and a hand in play always has
// someone to play: a computer seat on its timer, or the user with a card to click.
namespace {

using namespace euchrerules;

std::string euchreHolds(euchre& e) {
    const EuchreTable& t = e.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kSlots); !wrong.empty()) return wrong;
    const bool timing = std::ranges::any_of(e.timers(), [](const platform::Timer* timer) { return timer->running(); });
    if (!e.Enabled || !t.playing || timing) return {};
    if (t.turn != kUser) return "a hand is in play, seat " + std::to_string(t.turn) + " is to play and no timer runs";
    for (int slot = firstSlot(kUser); slot <= lastSlot(kUser); ++slot)
        if (userMayPlay(t, slot) && e.Image1[slot].takesPointer()) return {};
    return "the user is to play and no card of theirs can be clicked";
}

// The cards the user may play, and the suits of the second round.
std::vector<platform::Control*> euchreMoves(euchre& e) {
    std::vector<platform::Control*> moves{&e.Image6, &e.Image7, &e.Image8, &e.Image9, &e.Label10};
    for (int slot = firstSlot(kUser); slot <= lastSlot(kUser); ++slot)
        if (userMayClick(e.table, slot)) moves.push_back(&e.Image1[slot]);
    return moves;
}

platform::Form* euchreTable() { return platform::loaded<euchre>(); }

const bool euchrePlayed = gp::playRules<euchre>(
    "euchre", {.timers = 1, .locks = common::mainwindow, .holds = euchreHolds, .moves = euchreMoves});
const bool euchreScorePlayed = gp::playRules<euchrescore>("euchre score", {.played = false, .locks = euchreTable});

}  // namespace
