#include "games/hearts/hearts_layout.h"

#include <cmath>

namespace heartsrules {

double scaled(double twips, float scale) {
    return static_cast<float>(twips) * scale;
}

Place fanPlace(int slot, float scale) {
    if (slot <= 13) return {scaled(360, scale), scaled(1500 + 300 * slot, scale)};
    if (slot <= 26) return {scaled(8760, scale), scaled(1500 + 300 * (slot - 13), scale)};
    if (slot <= 39) return {scaled(2700 + 300 * (slot - 26), scale), scaled(600, scale)};
    return {scaled(2700 + 300 * (slot - 39), scale), scaled(kHandRow, scale)};
}

bool sideways(int slot) {
    return slot >= 1 && slot <= 26;
}

Place trickPlace(int seat, float scale) {
    switch (seat) {
    case 1: return {scaled(4560, scale), scaled(2200, scale)};
    case 2: return {scaled(6060, scale), scaled(2800, scale)};
    case 4: return {scaled(3060, scale), scaled(2800, scale)};
    default: return {scaled(4560, scale), scaled(3960, scale)};
    }
}

Place closeUpStep(int seat, float scale) {
    if (seat == 2 || seat == 4) return {0, -scaled(300, scale)};
    return {-scaled(300, scale), 0};
}

Row rowOf(double top, float scale) {
    const auto near = [&](double row) {
        const double mark = std::floor(scaled(row, scale));
        return top >= mark - 1 && top <= mark + 1;
    };
    if (near(kHandRow)) return Row::Hand;
    if (near(kRaisedRow)) return Row::Raised;
    return Row::Elsewhere;
}

Place sweepStep(int winner) {
    switch (winner) {
    case 1: return {0, -300};
    case 2: return {300, 0};
    case 3: return {0, 300};
    case 4: return {-300, 0};
    default: return {};
    }
}

bool sweptOff(int winner, Place card) {
    switch (winner) {
    case 1: return card.top <= -10000;
    case 2: return card.left >= 20000;
    case 3: return card.top >= 10000;
    case 4: return card.left <= -20000;
    default: return false;
    }
}

}  // namespace heartsrules
