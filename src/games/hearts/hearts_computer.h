#pragma once

#include <functional>

#include "games/hearts/hearts_table.h"

// How a computer seat chooses its card.
namespace heartsrules {

// A whole number from 1 to n, as the game's one random generator draws it.
using Draw = std::function<int(int n)>;

// Chooses the card of computer seat `seat` (1, 2 or 4) for the current trick: sets `compsuit`
// and `pickslot` and returns the slot, 0 only when the seat holds no card at all.
int decide(HeartsTable& t, int seat, bool jackRule, const Draw& rndnum);

// One tick of the computer seats' play: a computer seat at its turn chooses its card, plays it and
// passes the turn on. A seat without a card plays nothing and keeps the turn.
struct ComputerTurn {
    int seat = 0;         // the seat that was to play; 0 when no computer seat was
    int slot = 0;         // the card it chose
    bool played = false;
};
ComputerTurn computerTurn(HeartsTable& t, bool jackRule, const Draw& rndnum);

}  // namespace heartsrules
