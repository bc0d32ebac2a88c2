#include "games/gin/gin_layout.h"

#include "games/gin/gin_table.h"

#include "core/scaling.h"

namespace ginrules {
namespace {

constexpr double kHandLeft = 2680;
constexpr double kHandStep = 300;
constexpr double kDrawnLeft = 5680;
constexpr double kComputerTop = 1120;
constexpr double kComputerDrawnTop = 1125;
constexpr double kUserTop = 5520;
constexpr double kPileLeft = 5380;
constexpr double kPileTop = 3400;
constexpr double kStockTop = -4000;
constexpr double kMarkerGap = 50;

}  // namespace

Place placeOf(int tag, float scale) {
    using core::scaled;
    if (onPile(tag)) return {scaled(kPileLeft, scale), scaled(kPileTop, scale)};
    for (int side : {kComputer, kUser}) {
        const double top = side == kUser ? kUserTop : kComputerTop;
        if (tag == drawnTag(side))
            return {scaled(kDrawnLeft, scale), scaled(side == kUser ? kUserTop : kComputerDrawnTop, scale)};
        if (inHand(tag, side)) return {scaled(kHandLeft + kHandStep * (tag - handBase(side) - 1), scale), scaled(top, scale)};
    }
    return {0, kStockTop};
}

double markerTop(double cardTop, double cardHeight, float scale) {
    return cardTop + cardHeight + core::scaled(kMarkerGap, scale);
}

}  // namespace ginrules
