#include "core/tricktable.h"

namespace core {

int seatOfSlot(int slot) {
    if (slot <= 13) return 4;
    if (slot <= 26) return 2;
    if (slot <= 39) return 1;
    return kUserSeat;
}

int firstSlot(int seat) {
    switch (seat) {
    case 1: return 27;
    case 2: return 14;
    case 4: return 1;
    default: return 40;
    }
}

int nextSeat(int seat) {
    if (seat < 1 || seat > 4) return seat;
    return seat % 4 + 1;
}

Place fanPlace(int slot, float scale, double topRow) {
    if (slot <= 13) return {scaled(360, scale), scaled(1500 + 300 * slot, scale)};
    if (slot <= 26) return {scaled(8760, scale), scaled(1500 + 300 * (slot - 13), scale)};
    if (slot <= 39) return {scaled(2700 + 300 * (slot - 26), scale), scaled(topRow, scale)};
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

int trickwinner(const std::array<int, 5>& values) {
    int best = values[1] > values[2] ? 1 : 2;
    for (int seat = 3; seat <= 4; ++seat)
        if (values[seat] >= values[best]) best = seat;
    return best;
}

}  // namespace core
