#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/fortythieves/fortythieves.h"
#include "games/fortythieves/fortythieves_rules.h"

#include <vector>

// Forty Thieves: each of the two decks dealt once, every card in exactly one column, foundation,
// stock or waste.
namespace {

using namespace fortythievesrules;

std::string fortythievesHolds(fortythieves& f) {
    const FortyThievesTable& t = f.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    std::vector<int> places(kCards + 1);
    for (int c = 1; c <= kColumns; ++c)
        for (int k : columncards(t, c)) ++places[k];
    for (int k = 1; k <= kCards; ++k)
        if (t.card[k].onfoundation || t.card[k].tag > 2000) ++places[k];
    for (int k = 1; k <= kCards; ++k)
        if (places[k] != 1) return "card " + std::to_string(k) + " lies in " + std::to_string(places[k]) + " places";
    return {};
}

// The cards that may move, the piles they may go to, and the stock.
std::vector<platform::Control*> fortythievesMoves(fortythieves& f) {
    std::vector<platform::Control*> moves{&f.deckpic};
    for (int k = 1; k <= kCards; ++k)
        if (f.table.card[k].draggable) moves.push_back(&f.Image1[k]);
    for (int c = 1; c <= kColumns; ++c) moves.insert(moves.end(), {&f.Image2[c], &f.blankslot[c]});
    for (int s = 1; s <= kFoundations; ++s) moves.push_back(&f.slot[s]);
    return moves;
}

const bool fortythievesPlayed = gp::playRules<fortythieves>(
    "fortythieves", {.locks = common::mainwindow, .holds = fortythievesHolds, .moves = fortythievesMoves});

}  // namespace
