#pragma once

#include "games/backgammon/backgammon_table.h"

// The computer's turn.
namespace bgrules {

// The computer's roll: two dice with no opening rule; after doubles the second pair waits in
// compdie3 and compdie4 and compdoubles is set.
void rollComputer(BackgammonTable& t, const Draw& draw);

}  // namespace bgrules
