#include "games/crazy8s-war/crazy8s_layout.h"

#include "core/scaling.h"

#include <array>
#include <cmath>

namespace crazy8srules {
namespace {

constexpr int kPerRow = 7;
constexpr double kFirstLeft = 400;
constexpr double kColumnStep = 1300;
constexpr double kUserTop = 5460;
constexpr double kUserRowStep = 300;
constexpr std::array<double, 4> kCompTops{500, 300, 150, 0};
constexpr double kBackTop = 480;
constexpr double kBackRowStep = 100;

int rowof(int slot) { return (slot - 1) / kPerRow; }
int columnof(int slot) { return (slot - 1) % kPerRow; }

}  // namespace

double nearest(double design, float scale) { return std::nearbyint(core::scaled(design, scale)); }

Place userslot(int slot, float scale) {
    return {nearest(kFirstLeft + kColumnStep * columnof(slot), scale),
            nearest(kUserTop + kUserRowStep * rowof(slot), scale)};
}

Place compslot(int slot, float scale) {
    return {nearest(kFirstLeft + kColumnStep * columnof(slot), scale), kCompTops[static_cast<std::size_t>(rowof(slot))]};
}

Place backslot(int k, float scale) {
    return {userslot(columnof(k) + 1, scale).left, core::scaled(kBackTop, scale) - kBackRowStep * rowof(k)};
}

Place pileplace(float scale) { return {core::scaled(5040, scale), core::scaled(2880, scale)}; }

}  // namespace crazy8srules
