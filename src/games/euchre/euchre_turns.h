#pragma once

#include "games/euchre/euchre_computer.h"
#include "games/euchre/euchre_table.h"

// One tick of each of the table's timers, as plain steps over the table: the window's timers
// call them and show what they say.
namespace euchrerules {

// A seat's word in making trump.
struct BidTurn {
    enum class Then {
        Next,         // the next seat speaks on the next tick
        SecondRound,  // round one is over: the pause, then round two
        User,         // the user speaks now
    };
    int seat = 0;     // the seat that spoke; 0 when the tick only passed the user by
    MaybeSuit trump;  // the suit it makes trump; none for a pass
    Then then = Then::Next;
};

// Round one: the seat in `turn` takes the turned card's suit or passes. The user answers apart,
// so a tick at the user's turn only hands it to seat 4. After the dealer's pass round two is due;
// after seat 2's the user answers at once; otherwise the next seat speaks.
BidTurn roundOneTurn(EuchreTable& t);
// Round two: the turn moves on; the user picks a suit, a computer seat names one or passes.
BidTurn roundTwoTurn(EuchreTable& t);
// A suit is made trump by a seat.
void makeTrump(EuchreTable& t, Suit suit, int seat);

// A computer seat's card in play.
struct PlayTurn {
    int seat = 0;        // the seat that played; 0 when the turn was none of the computer's
    int slot = 0;        // its card; 0 for a seat that held none
    int back = 0;        // its back to hide (an index of `compcard`); 0 for none
    bool error = false;  // the seat found no card of its suit
    bool userNext = false;   // the user plays next
    bool trickDone = false;  // the turn is back at the leader: the trick is complete
};
// The seat in `turn`, when it is a computer seat, chooses its card and puts it into the trick.
PlayTurn computerTurn(EuchreTable& t, const Draw& rndnum);

// The count of a swept trick.
struct TrickEnd {
    int winner = 0;
    bool handOver = false;  // the fifth trick: the hand is scored
    int gameWinner = 0;     // the team that has reached the target with this hand; 0 for none
};
// The swept trick goes to the seat in `turn`, who leads the next one; after the fifth the hand is
// scored and the game decided against `target`.
TrickEnd countSweptTrick(EuchreTable& t, int target);

}  // namespace euchrerules
