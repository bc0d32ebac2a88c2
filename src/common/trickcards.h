#pragma once

#include "platform/control_array.h"
#include "platform/light_controls.h"

#include <array>

// What the four-seat trick tables do to their card pictures: a hand closes the gap a played card
// left, and a finished trick slides off toward its winner.
namespace common {

// Every card of the seat still held (by its tag, slots 1..52) behind the played slot moves one
// close-up step.
void closegap(const platform::ControlArray<platform::Image>& cards, const std::array<int, 53>& tag, int seat,
              int played, float scale);

// One tick: every card of the trick (the slots by seat 1..4; 0 for a seat without a card) moves one
// step toward the winner, then all of them lie on the winner's card, so the pile slides as one.
// Returns whether the pile has left the table.
bool sweeptick(const platform::ControlArray<platform::Image>& cards, const std::array<int, 5>& trickslot, int winner);

}  // namespace common
