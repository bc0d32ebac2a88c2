#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/towers-foreaft/foreaft.h"
#include "games/towers-foreaft/towers.h"

#include <set>
#include <vector>

// Towers of Hanoi: every disc on one peg, the pegs' counts and tops as the discs lie. Fore and Aft:
// every piece on a cell of its own, the empty cell free.
namespace {

std::string towersHolds(towers& w) {
    const towersrules::TowersTable& t = w.table;
    int counted[4] = {};
    for (int disc = 1; disc <= t.n; ++disc) {
        const int peg = t.piecepeg[disc];
        if (peg < 1 || peg > 3) return "disc " + std::to_string(disc) + " lies on no peg";
        ++counted[peg];
    }
    for (int peg = 1; peg <= 3; ++peg) {
        if (counted[peg] != t.pegcount[peg])
            return "peg " + std::to_string(peg) + " holds " + std::to_string(counted[peg]) + " discs, counted " +
                   std::to_string(t.pegcount[peg]);
        const int top = t.pegtop[peg];
        if ((top == 0) != (counted[peg] == 0) || (top != 0 && t.piecepeg[top] != peg))
            return "peg " + std::to_string(peg) + "'s top disc " + std::to_string(top) + " does not lie on it";
    }
    return {};
}

// The pegs' top discs and the pegs.
std::vector<platform::Control*> towersMoves(towers& w) {
    std::vector<platform::Control*> moves;
    for (int peg = 1; peg <= 3; ++peg) {
        moves.push_back(&w.Image1[peg]);
        if (w.table.pegtop[peg] != 0) moves.push_back(&w.piece[w.table.pegtop[peg]]);
    }
    return moves;
}

std::string foreaftHolds(foreaft& f) {
    std::set<int> cells;
    for (int piece = 1; piece <= foreaftrules::kPieces; ++piece) {
        const int cell = f.board.piecepos[piece];
        if (cell < 1 || cell > foreaftrules::kCells || cell == f.board.emptycell || !cells.insert(cell).second)
            return "piece " + std::to_string(piece) + " shares cell " + std::to_string(cell);
    }
    return {};
}

const bool towers1Played =
    gp::playRules<towers1>("towers1", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool towers2Played =
    gp::playRules<towers2>("towers2", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool towers3Played =
    gp::playRules<towers3>("towers3", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool foreaftPlayed =
    gp::playRules<foreaft>("foreaft", {.timers = 1, .locks = common::mainwindow, .holds = foreaftHolds});

}  // namespace
