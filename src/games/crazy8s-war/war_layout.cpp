#include "games/crazy8s-war/war_layout.h"

#include "common/scaling.h"

namespace warrules {
namespace {

constexpr double kFan = 200;

}  // namespace

Place turnedplace(Side side, float scale) {
    return {common::scaled(4080, scale), common::scaled(side == Side::User ? 3560 : 1560, scale)};
}

Place warplace(Place face, Side side, int k, float scale) {
    const double toward = side == Side::User ? 1 : -1;
    const double step = common::scaled(kFan, scale) * toward;
    if (k == 0) return {face.left, face.top + step};
    return {face.left + step * k, face.top};
}

bool slidout(Place card, Side winner, float scale) {
    if (winner == Side::Computer)
        return card.top < common::scaled(-1000, scale) && card.left < common::scaled(-1000, scale);
    return card.top > common::scaled(7000, scale) && card.left > common::scaled(10000, scale);
}

}  // namespace warrules
