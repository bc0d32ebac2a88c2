#include "games/seawar/seawar_table.h"

namespace seawarrules {

int shipsize(int ship) {
    static constexpr PerShip sizes{0, 2, 3, 3, 4, 5};
    return isship(ship) ? sizes[ship] : 0;
}

bool isship(int ship) { return ship >= 1 && ship <= kShips; }

bool holds(const ShipCells& cells, int ship, int cell) {
    for (int k = 1; k <= shipsize(ship); ++k)
        if (cells[k] == cell) return true;
    return false;
}

int rowof(int cell) { return (cell - kFirstUserCell) / 10 + 1; }

int columnof(int cell) { return (cell - kFirstUserCell) % 10 + 1; }

int usercell(int row, int column) { return 100 + 10 * (row - 1) + column; }

void newgamestate(SeaWarTable& t) {
    t.playercells = {};
    t.shipway.fill(kSide);
    t.shipplaced = {};
    t.probed = {};
    t.playerfired = {};
    t.compfired = {};
    t.targetmode = 0;
    t.targetway = 0;
    t.enemyhits = {};
    t.playerhits = {};
    t.enemyafloat = kShips;
    t.playerafloat = kShips;
    t.placing = true;
    t.droppedship = 0;
}

}  // namespace seawarrules
