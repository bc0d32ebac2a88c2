#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/seawar/seawar.h"
#include "games/seawar/seawar_table.h"

#include <vector>

// Sea War: no ship takes more hits than it has cells, and each side's ships afloat are the ones
// not yet sunk.
namespace {

using namespace seawarrules;

std::string afloatWrong(const PerShip& hits, int afloat, const std::string& side) {
    int left = 0;
    for (int ship = 1; ship <= kShips; ++ship) {
        if (hits[ship] < 0 || hits[ship] > shipsize(ship))
            return side + " ship " + std::to_string(ship) + " has taken " + std::to_string(hits[ship]) + " hits";
        left += hits[ship] < shipsize(ship);
    }
    if (left != afloat) return side + " has " + std::to_string(left) + " ships afloat, counted " + std::to_string(afloat);
    return {};
}

std::string seawarHolds(seawar& s) {
    if (std::string wrong = afloatWrong(s.table.enemyhits, s.table.enemyafloat, "the computer"); !wrong.empty())
        return wrong;
    return afloatWrong(s.table.playerhits, s.table.playerafloat, "the user");
}

// While placing: the ships not yet on the grid and the grid, then Done; in battle: the enemy cells
// not yet fired at.
std::vector<platform::Control*> seawarMoves(seawar& s) {
    std::vector<platform::Control*> moves;
    if (s.table.placing) {
        for (int ship = 1; ship <= kShips; ++ship)
            if (s.table.playercells[ship][1] == 0) moves.push_back(&s.shippicture(ship));
        moves.push_back(moves.empty() ? static_cast<platform::Control*>(&s.Command2) : &s.Image4);
        return moves;
    }
    for (int cell = 1; cell < kFirstUserCell; ++cell)
        if (!s.table.playerfired[cell]) moves.push_back(&s.Image1[cell]);
    return moves;
}

const bool seawarPlayed =
    gp::playRules<seawar>("seawar", {.timers = 2, .locks = common::mainwindow, .holds = seawarHolds, .moves = seawarMoves});

}  // namespace
