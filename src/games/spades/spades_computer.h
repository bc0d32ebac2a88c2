#pragma once

#include "games/spades/spades_table.h"

// How a computer seat chooses its card: follow suit; without it trump while the seat's own tricks
// are below its team's bid, else discard; lead diamonds, clubs, hearts before spades. Of the suit
// it plays high to win, low once its team has its bid, with its own Nil or when it cannot win.
namespace spadesrules {

// Step A: the suit, into `compsuit`. Choosing to trump or to lead spades breaks spades.
void chooseSuit(SpadesTable& t, int seat);
// Step B: whether the seat cannot win the trick with its best card of the suit, into `cantwin`.
void judgeChance(SpadesTable& t, int seat);
// Step C: whether the seat plays its lowest card of the suit.
bool playsLow(const SpadesTable& t, int seat);
// Step D: the card, into `pickslot`. A low play without a card of the suit takes the lowest card
// the seat holds; a high play without one draws random slots of the seat until one is held.
int pickCard(SpadesTable& t, int seat, bool low, const Draw& rndnum);

// Steps A to D for computer seat 1, 2 or 4: the slot it plays.
int decide(SpadesTable& t, int seat, const Draw& rndnum);

// The turn after a computer seat's card: 4 to 1, 1 to 2, 2 to the user.
int passTurn(int turn);

// What follows a tick of the play timer: the next computer seat, the user, the judging of a full
// trick, or nothing at all when the seat at turn had no card to play.
enum class Next { Computer, User, Judge, Stuck };
struct PlayStep {
    int seat = 0;  // the seat that was at turn
    int slot = 0;  // the card it played, 0 for none
    Next next = Next::Computer;
};
// One tick of the play timer: the computer seat at turn plays its card into the trick and the turn
// passes on; a full trick goes to be judged before the user's turn is given.
PlayStep playTurn(SpadesTable& t, const Draw& rndnum);

}  // namespace spadesrules
