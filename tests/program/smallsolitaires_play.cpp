#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/smallsolitaires/calculation.h"
#include "games/smallsolitaires/interlockpuzzle.h"
#include "games/smallsolitaires/nestor.h"

#include <set>

// Calculation and Nestor: every card dealt once. Interlock Puzzle: every card on a cell of its
// own, none on the blank one.
namespace {

std::string calculationHolds(calculation& c) { return gp::everyCodeOnce(c.table.deckorder, calculationrules::kCards); }

std::string nestorHolds(nestor& n) { return gp::everyCodeOnce(n.table.deckorder, nestorrules::kCards); }

std::string interlockHolds(interlockpuzzle& p) {
    const interlockrules::InterlockTable& t = p.table;
    if (t.blankcell == 0) return {};
    std::set<int> cells{t.blankcell};
    for (int card = 1; card <= interlockrules::kCards; ++card)
        if (!cells.insert(t.tag[card]).second)
            return "card " + std::to_string(card) + " lies on cell " + std::to_string(t.tag[card]) + ", which is taken";
    return {};
}

const bool calculationPlayed =
    gp::playRules<calculation>("calculation", {.locks = common::mainwindow, .holds = calculationHolds});
const bool nestorPlayed = gp::playRules<nestor>("nestor", {.locks = common::mainwindow, .holds = nestorHolds});
const bool interlockPlayed =
    gp::playRules<interlockpuzzle>("interlock", {.locks = common::mainwindow, .holds = interlockHolds});

}  // namespace
