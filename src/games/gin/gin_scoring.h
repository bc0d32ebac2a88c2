#pragma once

#include "games/gin/gin_melds.h"
#include "games/gin/gin_table.h"

// The end of a hand: lay-offs, the points, and the end of the game.
namespace ginrules {

// The knocker's opponent lays off, in one pass, each of its ten cards that fits the knocker's
// melds: a rank the knocker holds three or four times, or the card one rank beyond an end of one
// of the knocker's runs. Then its unmatched total is counted again.
void layoff(GinTable& t, int knocker);

struct Points {
    int side = 0;  // who scores, 0 for nobody
    int points = 0;
    bool undercut = false;  // the knocker's total was the higher one after the lay-offs
};
// After a knock and the lay-offs: the lower total scores the difference, the knocker on a tie; an
// undercut earns the knocker's opponent 20 more.
Points knockPoints(int knocker, int userTotal, int computerTotal);
// Gin scores the other side's total and 25.
Points ginPoints(int side, int otherTotal);

// Settles the hand that `end` ends: lay-offs after a knock, the points added to the winner's game
// total; nobody scores a dead hand. From then on the hand is over and nobody's turn.
Points settle(GinTable& t, HandEnd end);

// The end-of-game test: the user's total is tested first.
enum class Outcome { Playing, UserWon, ComputerWon };
Outcome gameOutcome(int userTotal, int computerTotal, int target);
// Who plays first after a deal: the draw, unless a total has reached the target, when the user does.
int firstPlayer(int drawn, int userTotal, int computerTotal, int target);

}  // namespace ginrules
