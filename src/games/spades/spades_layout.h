#pragma once

#include "core/tricktable.h"

// Where the cards of the Spades table lie, in twips of the 1024 x 768 design times the window's
// scale; what Spades shares with the other four-seat table comes from the core.
namespace spadesrules {

using core::closeUpStep;
using core::Place;
using core::scaled;
using core::sideways;
using core::sweepStep;
using core::sweptOff;
using core::trickPlace;

// The partner's hand lies at this design Top.
inline constexpr double kTopRow = 700;
// A card raised for the trade lies this many twips above the row, at every size.
inline constexpr int kRaise = 100;

// The Top of the user's row in whole twips, so that the trade's raised and lowered cards compare
// exactly at every size.
int handtopOf(float scale);
// A slot's place in its seat's fan at the deal; the user's row at its whole-twip Top.
Place slotPlace(int slot, float scale);
// The trick circles: the k-th of a team's row, 1 to 13.
double circleLeft(int k);

}  // namespace spadesrules
