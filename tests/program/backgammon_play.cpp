#include "support/random_play.h"

#include "games/backgammon/backgammon.h"
#include "games/backgammon/backgammonscore.h"

#include <vector>

// Backgammon: fifteen checkers a side, each on a point, the bar or borne off as the counts say, and
// never both sides on one point. The board locks nothing; its score window holds the board.
namespace {

using namespace bgrules;

std::string backgammonHolds(backgammon& b) {
    const BackgammonTable& t = b.table;
    // The user bears off to 25, the computer to 0.
    int userOff = 0, computerOff = 0;
    for (int i = 1; i <= kCheckers; ++i) {
        userOff += t.playerpos[i] == 25;
        computerOff += t.comppos[i] == 0;
    }
    if (userOff != t.playeroff) return "the user has borne off " + std::to_string(userOff) + ", counted " + std::to_string(t.playeroff);
    if (computerOff != t.compoff)
        return "the computer has borne off " + std::to_string(computerOff) + ", counted " + std::to_string(t.compoff);
    for (int p = 1; p <= 24; ++p) {
        bool user = false, computer = false;
        for (int i = 1; i <= kCheckers; ++i) {
            user = user || t.playerpos[i] == p;
            computer = computer || t.comppos[i] == p;
        }
        if (user && computer) return "both sides on point " + std::to_string(p);
    }
    return {};
}

// The dice while they can be thrown, the cube, and the user's checkers while they may move.
std::vector<platform::Control*> backgammonMoves(backgammon& b) {
    std::vector<platform::Control*> moves{&b.die1, &b.Image4};
    if (b.userturn())
        for (int i = 1; i <= kCheckers; ++i) moves.push_back(&b.Image1[i]);
    return moves;
}

platform::Form* board() { return platform::loaded<backgammon>(); }

const bool backgammonPlayed =
    gp::playRules<backgammon>("backgammon", {.timers = 1, .holds = backgammonHolds, .moves = backgammonMoves});
const bool backgammonScorePlayed = gp::playRules<backgammonscore>("backgammon score", {.played = false, .locks = board});

}  // namespace
