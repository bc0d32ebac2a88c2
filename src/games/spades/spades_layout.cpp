#include "games/spades/spades_layout.h"

#include <cmath>

namespace spadesrules {

int handtopOf(float scale) {
    return static_cast<int>(std::lround(scaled(core::kHandRow, scale)));
}

Place slotPlace(int slot, float scale) {
    Place place = core::fanPlace(slot, scale, kTopRow);
    if (slot >= 40) place.top = handtopOf(scale);
    return place;
}

double circleLeft(int k) {
    return 3000 + 360 * (k - 1);
}

}  // namespace spadesrules
