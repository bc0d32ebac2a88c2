#pragma once

#include "games/seawar/seawar_table.h"

// The computer's ten fixed fleets.
namespace seawarrules {

inline constexpr int kFleets = 10;

// Layout 1 to 10 as enemy cells by ship number.
Fleet fleet(int layout);
// `zgame`: draws a layout (1 to 10) and sets `enemycells` from it; returns the layout drawn.
int zgame(SeaWarTable& t, const Draw& draw);

}  // namespace seawarrules
