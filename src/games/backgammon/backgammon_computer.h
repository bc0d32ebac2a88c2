#pragma once

#include "games/backgammon/backgammon_table.h"

#include <string_view>

// The computer's turn: its roll, and its moves, one checker a tick by a fixed cascade of rules.
namespace bgrules {

// The computer's roll: two dice with no opening rule; after doubles the second pair waits in
// compdie3 and compdie4 and compdoubles is set.
void rollComputer(BackgammonTable& t, const Draw& draw);

// What one tick did, for placing the pictures.
struct ComputerTick {
    enum class Action {
        None,     // nothing moved
        GiveUp,   // all home, the back checker's target held by the user: the die is lost
        Move,     // a plain move, an entry from the bar included
        Hit,      // a move onto a user's blot, which goes to the bar
        BearOff,
    };
    Action action = Action::None;
    int checker = 0;     // the computer's checker moved
    int from = 0;        // its point; kComputerBar when it entered
    int to = 0;          // its target; kComputerOff when borne off
    int slot = 0;        // the count already on `to` when it arrived
    int hit = 0;         // the user's checker sent to the bar
    std::string_view sound;  // "flick.wav", "squirt.wav" or none
    bool turnOver = false;   // the dice go back to the user
    bool won = false;        // the fifteenth checker is off
};

// One tick of the computer's turn: a fresh survey of the board, at most one move by the cascade
// (enter, bear off, the back checker when all are home, run, make a point, hit, the fallback),
// then the end-of-tick checks (turn over, the second pair of a double, every checker stuck). The
// same board and dice always give the same move.
ComputerTick computerTick(BackgammonTable& t);

}  // namespace bgrules
