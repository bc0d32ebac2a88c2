#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/hearts/hearts.h"
#include "games/hearts/hearts_deal.h"
#include "games/hearts/hearts_play.h"
#include "games/hearts/heartsscore.h"

#include <algorithm>
#include <vector>

// Hearts: every card dealt once, the button says what it does, one timer at a time, and a hand in
// play always has someone to play: a computer seat on its timer, or the user with a card to click.
namespace {

std::string heartsHolds(hearts& h) {
    const heartsrules::HeartsTable& t = h.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, 52); !wrong.empty()) return wrong;
    if (h.Command1.Visible && h.Command1.Caption.get() != heartsrules::passCaption(t.buttonpass))
        return "the button reads \"" + h.Command1.Caption.get() + "\" but does " + std::to_string(t.buttonpass);
    const bool timing = std::ranges::any_of(h.timers(), [](const platform::Timer* timer) { return timer->running(); });
    if (!h.Enabled || !t.handplaying || timing) return {};
    if (t.turn != heartsrules::kUser) return "a hand is in play, seat " + std::to_string(t.turn) + " is to play and no timer runs";
    for (int slot : heartsrules::slotsOf(heartsrules::kUser))
        if (heartsrules::isHeld(t, slot) && h.Image1[slot].takesPointer()) return {};
    return "the user is to play and no card of theirs can be clicked";
}

// The cards the user may pass or play now, and the pass and start button.
std::vector<platform::Control*> heartsMoves(hearts& h) {
    std::vector<platform::Control*> moves;
    for (int slot : heartsrules::slotsOf(heartsrules::kUser))
        if (h.table.passphase == -1 || heartsrules::legalForUser(h.table, slot)) moves.push_back(&h.Image1[slot]);
    moves.push_back(&h.Command1);
    return moves;
}

platform::Form* heartsTable() { return platform::loaded<hearts>(); }

const bool heartsPlayed = gp::playRules<hearts>(
    "hearts", {.timers = 1, .locks = common::mainwindow, .holds = heartsHolds, .moves = heartsMoves});
const bool heartsScorePlayed = gp::playRules<heartsscore>("hearts score", {.played = false, .locks = heartsTable});

}  // namespace
