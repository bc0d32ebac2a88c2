#include "games/euchre/euchre_layout.h"

namespace euchrerules {
namespace {

Place at(double left, double top, float scale) { return {scaled(left, scale), scaled(top, scale)}; }

}  // namespace

Place userRowPlace(int tag, float scale) { return at(2520 + kUserRowStep * (tag - 1), 6480, scale); }

Place trickPlace(int seat, float scale) {
    switch (seat) {
    case 1: return at(4920, 2440, scale);
    case 2: return at(6240, 3240, scale);
    case 4: return at(3600, 3360, scale);
    default: return at(4920, 4400, scale);
    }
}

Place arrowPlace(int seat, float scale) {
    switch (seat) {
    case 1: return at(5520, 1920, scale);
    case 2: return at(8160, 4200, scale);
    case 4: return at(2280, 4200, scale);
    default: return at(5520, 5880, scale);
    }
}

std::string_view arrowfile(int seat) {
    switch (seat) {
    case 1: return "\\Images\\arrowup.bmp";
    case 2: return "\\Images\\arrowright.bmp";
    case 4: return "\\Images\\arrowleft.bmp";
    default: return "\\Images\\arrowdown.bmp";
    }
}

Place dealerPlace(int seat, float scale) {
    switch (seat) {
    case 1: return at(4920, 1920, scale);
    case 2: return at(8280, 3720, scale);
    case 4: return at(2280, 3720, scale);
    default: return at(4920, 6000, scale);
    }
}

Place sweepStep(int winner, float scale) {
    const double step = scaled(100, scale);
    switch (winner) {
    case 1: return {0, -step};
    case 2: return {step, 0};
    case 4: return {-step, 0};
    default: return {0, step};
    }
}

bool sweptOff(int winner, Place card, float scale) {
    switch (winner) {
    case 1: return card.top <= scaled(-2000, scale);
    case 2: return card.left >= scaled(20000, scale);
    case 4: return card.left <= scaled(-2000, scale);
    default: return card.top >= scaled(20000, scale);
    }
}

}  // namespace euchrerules
