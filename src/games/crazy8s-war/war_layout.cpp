#include "games/crazy8s-war/war_layout.h"

namespace warrules {
namespace {

constexpr double kFan = 200;

}  // namespace

Place turnedplace(Side side, float scale) {
    const double s = scale;
    return {4080 * s, (side == Side::User ? 3560 : 1560) * s};
}

Place warplace(Place face, Side side, int k, float scale) {
    const double toward = side == Side::User ? 1 : -1;
    const double step = kFan * double(scale) * toward;
    if (k == 0) return {face.left, face.top + step};
    return {face.left + step * k, face.top};
}

bool slidout(Place card, Side winner, float scale) {
    const double s = scale;
    if (winner == Side::Computer) return card.top < -1000 * s && card.left < -1000 * s;
    return card.top > 7000 * s && card.left > 10000 * s;
}

}  // namespace warrules
