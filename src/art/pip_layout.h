#pragma once

#include <vector>

namespace art {

// Where one pip of a number card lies, in pixels of a 71 x 96 face. Pips below the middle are
// printed upside down, as on real cards.
struct PipSpot {
    double x;
    double y;
    bool upsideDown;
};

// The pips of ranks 2 to 10 as real cards place them; any other rank has none.
std::vector<PipSpot> pipLayout(int rank);

}  // namespace art
