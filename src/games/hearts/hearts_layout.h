#pragma once

#include "common/tricktable.h"

// Where the cards of the Hearts table lie, in twips of the 1024 x 768 design times the window's
// scale. Plain functions so the geometry can be checked without a window; what Hearts shares with
// the other four-seat table comes from common.
namespace heartsrules {

using common::closeUpStep;
using common::kHandRow;
using common::Place;
using common::scaled;
using common::sideways;
using common::sweepStep;
using common::sweptOff;
using common::trickPlace;

// The place of a slot in its seat's fan at the deal.
Place fanPlace(int slot, float scale);

// The user's two rows: the hand and a card raised for passing.
inline constexpr double kRaisedRow = 5680;
enum class Row { Hand, Raised, Elsewhere };
// Tops are compared within a twip either way, since y times scale need not be whole.
Row rowOf(double top, float scale);

}  // namespace heartsrules
