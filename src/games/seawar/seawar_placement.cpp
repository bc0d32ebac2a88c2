#include "games/seawar/seawar_placement.h"

#include "core/numbers.h"

#include <algorithm>

namespace seawarrules {
namespace {

// How far a ship of n cells may start: column or row 11 - n.
int lastStart(int ship) { return 11 - shipsize(ship); }

}  // namespace

int snapcolumn(double left, const Edges& columnLefts, int ship, int way) {
    int column = 10;
    for (int c = 1; c <= 10; ++c) {
        if (columnLefts[c] > left) {
            column = std::max(1, c - 1);
            break;
        }
    }
    return way == kSide ? std::min(column, lastStart(ship)) : column;
}

int snaprow(double top, const Edges& rowTops, int ship, int way) {
    int row = 1;
    for (int r = 10; r >= 1; --r) {
        if (rowTops[r] < top) {
            row = r;
            break;
        }
    }
    return way == kUp ? std::min(row, lastStart(ship)) : row;
}

bool leavesdock(SeaWarTable& t, int ship) {
    if (t.shipway[ship] != kSide) return false;
    const bool first = t.shipplaced[ship] == 0;
    t.shipplaced[ship] = kPlaced;
    return first;
}

void placeship(SeaWarTable& t, int ship, int first) {
    const int step = t.shipway[ship] == kUp ? 10 : 1;
    for (int k = 1; k <= shipsize(ship); ++k) t.playercells[ship][k] = first + step * (k - 1);
}

bool placed(const SeaWarTable& t, int ship) { return t.playercells[ship][1] != 0; }

std::optional<Turn> rotate(SeaWarTable& t, int ship) {
    if (!isship(ship) || !placed(t, ship)) return std::nullopt;
    int anchor = t.playercells[ship][1];
    const bool up = t.shipway[ship] == kSide;
    // Past row or column 11 - n the turned ship would leave the grid: back it up so its far end
    // lies in the last row or column.
    const int reach = (up ? rowof(anchor) : columnof(anchor)) - lastStart(ship);
    const bool moved = reach > 0;
    if (moved) anchor -= reach * (up ? 10 : 1);
    t.shipway[ship] = up ? kUp : kSide;
    placeship(t, ship, anchor);
    return Turn{t.shipway[ship], anchor, moved};
}

Readiness donecheck(const SeaWarTable& t) {
    for (int ship = 1; ship <= kShips; ++ship)
        if (!placed(t, ship)) return Readiness::NotPlaced;
    for (int cell = kFirstUserCell; cell <= kLastUserCell; ++cell) {
        int ships = 0;
        for (int ship = 1; ship <= kShips; ++ship) ships += holds(t.playercells[ship], ship, cell) ? 1 : 0;
        if (ships >= 2) return Readiness::Overlap;
    }
    return Readiness::Ready;
}

int firstmoverfrom(std::string_view setting, const Draw& draw) {
    switch (core::toInt(setting, 0)) {
    case 1: return draw(2, 1);
    case 2: return 1;
    default: return 2;
    }
}

void beginbattle(SeaWarTable& t, int firstmover) {
    t.placing = false;
    t.firstmover = firstmover;
    if (firstmover == 1)
        t.playershots = 0;
    else
        t.compshots = 0;
}

}  // namespace seawarrules
