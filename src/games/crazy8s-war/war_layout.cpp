#include "games/crazy8s-war/war_layout.h"

#include "core/scaling.h"

namespace warrules {
namespace {

constexpr double kFan = 200;

}  // namespace

Place turnedplace(Side side, float scale) {
    return {core::scaled(4080, scale), core::scaled(side == Side::User ? 3560 : 1560, scale)};
}

Place warplace(Place face, Side side, int k, float scale) {
    const double toward = side == Side::User ? 1 : -1;
    const double step = core::scaled(kFan, scale) * toward;
    if (k == 0) return {face.left, face.top + step};
    return {face.left + step * k, face.top};
}

bool slidout(Place card, Side winner, float scale) {
    if (winner == Side::Computer)
        return card.top < core::scaled(-1000, scale) && card.left < core::scaled(-1000, scale);
    return card.top > core::scaled(7000, scale) && card.left > core::scaled(10000, scale);
}

}  // namespace warrules
