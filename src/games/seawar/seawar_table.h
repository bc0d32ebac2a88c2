#pragma once

#include <array>
#include <functional>

// The state of a Sea War game, shared by the window and the plain rules. Ships are numbered
// 1 cruiser, 2 destroyer, 3 submarine, 4 battleship, 5 carrier; arrays by ship and by a ship's
// cells run from 1, index 0 unused, so the numbers read as the game's own. The computer's grid is
// cells 1 to 100, the user's 101 to 200, row by row; the flag arrays reach 210 so that a cell one
// step past the user's last still has a flag.
namespace seawarrules {

inline constexpr int kShips = 5;
inline constexpr int kCruiser = 1;
inline constexpr int kDestroyer = 2;
inline constexpr int kSubmarine = 3;
inline constexpr int kBattleship = 4;
inline constexpr int kCarrier = 5;

// Orientations of a ship (`shipway`, `targetway`): lying along a row, or upright along a column.
inline constexpr int kSide = 1;
inline constexpr int kUp = 2;

inline constexpr int kTargeting = -1;  // `targetmode` while the computer follows up a hit
inline constexpr int kPlaced = 5;      // `shipplaced` once the ship wears its placed picture
inline constexpr int kFirstUserCell = 101;
inline constexpr int kLastUserCell = 200;
inline constexpr int kLastFlagCell = 210;

// The order in which a shot is tested against a fleet: carrier first, cruiser last.
inline constexpr std::array<int, kShips> kShotOrder{kCarrier, kBattleship, kSubmarine, kDestroyer, kCruiser};

using ShipCells = std::array<int, 6>;        // a ship's cells 1..n, first (top or left) cell first
using Fleet = std::array<ShipCells, 6>;      // by ship number
using PerShip = std::array<int, 6>;          // by ship number
using CellFlags = std::array<bool, kLastFlagCell + 1>;

struct SeaWarTable {
    Fleet playercells{};   // 0 while the ship has not been dropped on the grid
    PerShip shipway{};
    PerShip shipplaced{};
    Fleet enemycells{};
    CellFlags playerfired{};
    CellFlags compfired{};
    CellFlags probed{};    // cells fired at while targeting, and every cell the computer hit
    PerShip enemyhits{};
    PerShip playerhits{};
    int enemyafloat = kShips;
    int playerafloat = kShips;
    int playershots = 0;   // in the current turn
    int compshots = 0;
    int firstmover = 0;    // 1 the user, 2 the computer
    int targetmode = 0;
    int targetcell = 0;
    int firsthit = 0;
    int probebase = 0;
    int targetway = 0;     // 0 while the orientation of the ship under attack is unknown
    bool placing = true;   // from a new game until Done starts the battle
    int droppedship = 0;   // the ship dropped last, which Rotate turns; 0 after a new game
};

// A whole number from offset to offset + n - 1, as the game's one random generator draws it.
using Draw = std::function<int(int n, int offset)>;

int shipsize(int ship);
bool isship(int ship);
// Whether `cell` is one of the first `shipsize(ship)` cells of the list.
bool holds(const ShipCells& cells, int ship, int cell);

// Rows and columns 1..10 of the user's grid.
int rowof(int cell);
int columnof(int cell);
int usercell(int row, int column);

// The state a new game starts from: fleet in the dock, no shots, hunting, placement under way.
// The turn counters and the first mover are left for Done and the turns to set.
void newgamestate(SeaWarTable& t);

}  // namespace seawarrules
