#pragma once

#include "core/tricktable.h"

// Where the cards of the Hearts table lie, in twips of the 1024 x 768 design times the window's
// scale. Plain functions so the geometry can be checked without a window; what Hearts shares with
// the other four-seat table comes from the core.
namespace heartsrules {

using core::closeUpStep;
using core::kHandRow;
using core::Place;
using core::scaled;
using core::sideways;
using core::sweepStep;
using core::sweptOff;
using core::trickPlace;

// The place of a slot in its seat's fan at the deal.
Place fanPlace(int slot, float scale);

// The user's two rows: the hand and a card raised for passing.
inline constexpr double kRaisedRow = 5680;
enum class Row { Hand, Raised, Elsewhere };

}  // namespace heartsrules
