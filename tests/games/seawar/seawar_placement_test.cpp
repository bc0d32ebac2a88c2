#include "games/seawar/seawar_placement.h"

#include <gtest/gtest.h>

#include <string>

using namespace seawarrules;

namespace {

// The user's grid as the load lays it out on a 1024 x 768 screen.
Edges columnLefts() {
    Edges e{};
    for (int c = 1; c <= 10; ++c) e[c] = 6480 + 480.0 * (c - 1);
    return e;
}

Edges rowTops() {
    Edges e{};
    for (int r = 1; r <= 10; ++r) e[r] = 480 + 480.0 * (r - 1);
    return e;
}

int noDraw(int, int) {
    ADD_FAILURE() << "no draw expected";
    return 1;
}

// A table with each ship dropped at the given first cell and orientation (0: left in the dock).
SeaWarTable fleetAt(const std::array<std::pair<int, int>, 6>& ships) {
    SeaWarTable t;
    newgamestate(t);
    for (int ship = 1; ship <= kShips; ++ship) {
        const auto [first, way] = ships[static_cast<std::size_t>(ship)];
        if (!first) continue;
        t.shipway[ship] = way;
        placeship(t, ship, first);
    }
    return t;
}

}  // namespace

TEST(SeaWarPlacement, DroppedPictureSnapsToTheGrid) {
    const double col10 = 6480 + 9 * 480.0;
    const double row10 = 480 + 9 * 480.0;
    const struct {
        const char* name;
        double left, top;
        int ship, way;
        int column, row;
    } cases[] = {
        {"inside a cell", 7000, 1000, kDestroyer, kSide, 2, 2},
        {"a lying carrier past column 10 starts in column 6", col10 + 200, 1000, kCarrier, kSide, 6, 2},
        {"a lying cruiser past column 10 starts in column 9", col10 + 200, 1000, kCruiser, kSide, 9, 2},
        {"a lying battleship in column 8 starts in column 7", 6480 + 7 * 480.0 + 10, 1000, kBattleship, kSide, 7, 2},
        {"an upright ship may lie in column 10", col10 + 200, 1000, kCarrier, kUp, 10, 2},
        {"left of the grid", 100, 1000, kCruiser, kSide, 1, 2},
        {"above the grid", 7000, -300, kCruiser, kSide, 2, 1},
        {"on column 4's left edge stays in column 4", 6480 + 3 * 480.0, 1000, kCruiser, kSide, 4, 2},
        {"on row 5's top edge goes to row 4", 7000, 480 + 4 * 480.0, kCruiser, kSide, 2, 4},
        {"on row 1's top edge stays in row 1", 7000, 480, kCruiser, kSide, 2, 1},
        {"below the grid", 7000, 9000, kCarrier, kSide, 2, 10},
        {"a lying ship needs no row limit", 7000, row10 + 10, kCarrier, kSide, 2, 10},
        {"an upright carrier in row 7 goes to row 6", 7000, 480 + 6 * 480.0 + 10, kCarrier, kUp, 2, 6},
        {"an upright carrier in row 10 goes to row 6", 7000, row10 + 10, kCarrier, kUp, 2, 6},
        {"an upright carrier in row 6 stays", 7000, 480 + 5 * 480.0 + 10, kCarrier, kUp, 2, 6},
        {"an upright cruiser in row 10 goes to row 9", 7000, row10 + 10, kCruiser, kUp, 2, 9},
        {"an upright cruiser in row 9 stays", 7000, row10 - 100, kCruiser, kUp, 2, 9},
        {"an upright destroyer in row 9 goes to row 8", 7000, row10 - 100, kDestroyer, kUp, 2, 8},
        {"an upright submarine in row 10 goes to row 8", 7000, row10 + 10, kSubmarine, kUp, 2, 8},
        {"an upright battleship in row 8 goes to row 7", 7000, 480 + 7 * 480.0 + 10, kBattleship, kUp, 2, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(snapcolumn(c.left, columnLefts(), c.ship, c.way), c.column) << c.name;
        EXPECT_EQ(snaprow(c.top, rowTops(), c.ship, c.way), c.row) << c.name;
    }
}

TEST(SeaWarPlacement, DropRecordsTheCellsAlongTheOrientation) {
    SeaWarTable t;
    newgamestate(t);
    placeship(t, kCarrier, 106);
    EXPECT_EQ(t.playercells[kCarrier], (ShipCells{0, 106, 107, 108, 109, 110}));
    t.shipway[kDestroyer] = kUp;
    placeship(t, kDestroyer, 171);
    EXPECT_EQ(t.playercells[kDestroyer], (ShipCells{0, 171, 181, 191, 0, 0}));
    placeship(t, kDestroyer, 102);
    EXPECT_EQ(t.playercells[kDestroyer], (ShipCells{0, 102, 112, 122, 0, 0})) << "a new drop replaces the cells";
    EXPECT_EQ(t.playercells[kCarrier][1], 106) << "the other ships keep theirs";
}

TEST(SeaWarPlacement, OnlyTheFirstLyingDropChangesThePicture) {
    SeaWarTable t;
    newgamestate(t);
    EXPECT_TRUE(leavesdock(t, kSubmarine));
    EXPECT_EQ(t.shipplaced[kSubmarine], kPlaced);
    EXPECT_FALSE(leavesdock(t, kSubmarine));
    t.shipway[kCruiser] = kUp;
    EXPECT_FALSE(leavesdock(t, kCruiser));
    EXPECT_EQ(t.shipplaced[kCruiser], 0);
}

TEST(SeaWarPlacement, RotateTurnsAboutTheFirstCellAndStaysInsideTheGrid) {
    const struct {
        const char* name;
        int ship, way, anchor;
        int newAnchor;
        bool moved;
    } cases[] = {
        {"a lying carrier in row 8 goes up to row 6", kCarrier, kSide, 171, 151, true},
        {"a lying carrier in row 6 stays", kCarrier, kSide, 151, 151, false},
        {"a lying cruiser in row 10 goes up one row", kCruiser, kSide, 195, 185, true},
        {"a lying destroyer in row 10 goes up two rows", kDestroyer, kSide, 191, 171, true},
        {"an upright battleship in column 9 goes back to column 7", kBattleship, kUp, 129, 127, true},
        {"an upright destroyer in column 5 stays", kDestroyer, kUp, 145, 145, false},
        {"an upright carrier in column 10 goes back to column 6", kCarrier, kUp, 110, 106, true},
        {"an upright submarine in column 8 stays", kSubmarine, kUp, 108, 108, false},
    };
    for (const auto& c : cases) {
        SeaWarTable t;
        newgamestate(t);
        t.shipway[c.ship] = c.way;
        placeship(t, c.ship, c.anchor);
        const auto turn = rotate(t, c.ship);
        ASSERT_TRUE(turn) << c.name;
        const int way = c.way == kSide ? kUp : kSide;
        EXPECT_EQ(turn->way, way) << c.name;
        EXPECT_EQ(turn->anchor, c.newAnchor) << c.name;
        EXPECT_EQ(turn->moved, c.moved) << c.name;
        EXPECT_EQ(t.shipway[c.ship], way) << c.name;
        for (int k = 1; k <= shipsize(c.ship); ++k)
            EXPECT_EQ(t.playercells[c.ship][k], c.newAnchor + (way == kUp ? 10 : 1) * (k - 1)) << c.name;
    }
}

TEST(SeaWarPlacement, TwoTurnsRestoreTheOrientationButMayKeepTheMove) {
    SeaWarTable t;
    newgamestate(t);
    placeship(t, kCarrier, 196);
    EXPECT_EQ(rotate(t, kCarrier)->anchor, 156);
    const auto back = rotate(t, kCarrier);
    EXPECT_EQ(back->way, kSide);
    EXPECT_EQ(back->anchor, 156);
    EXPECT_FALSE(back->moved);
    EXPECT_EQ(t.playercells[kCarrier], (ShipCells{0, 156, 157, 158, 159, 160}));
}

TEST(SeaWarPlacement, RotateLeavesAShipThatIsNotOnTheGrid) {
    SeaWarTable t;
    newgamestate(t);
    EXPECT_FALSE(rotate(t, kBattleship));
    EXPECT_FALSE(rotate(t, 0));
    EXPECT_EQ(t.shipway[kBattleship], kSide);
}

TEST(SeaWarPlacement, DoneChecksPlacementBeforeOverlap) {
    const struct {
        const char* name;
        SeaWarTable t;
        Readiness expected;
    } cases[] = {
        {"a fleet apart", fleetAt({{{}, {101, kSide}, {121, kSide}, {141, kSide}, {161, kSide}, {181, kSide}}}),
         Readiness::Ready},
        {"ships touching", fleetAt({{{}, {101, kSide}, {103, kSide}, {106, kSide}, {111, kSide}, {115, kSide}}}),
         Readiness::Ready},
        {"an upright ship across a lying one",
         fleetAt({{{}, {101, kSide}, {121, kSide}, {141, kSide}, {161, kSide}, {152, kUp}}}), Readiness::Overlap},
        {"one ship in the dock", fleetAt({{{}, {101, kSide}, {121, kSide}, {141, kSide}, {0, 0}, {181, kSide}}}),
         Readiness::NotPlaced},
        {"the dock is reported before an overlap",
         fleetAt({{{}, {0, 0}, {121, kSide}, {121, kSide}, {161, kSide}, {181, kSide}}}), Readiness::NotPlaced},
    };
    for (const auto& c : cases) EXPECT_EQ(donecheck(c.t), c.expected) << c.name;
}

TEST(SeaWarPlacement, FirstMoverFollowsTheSetting) {
    EXPECT_EQ(firstmoverfrom("2", noDraw), 1);
    EXPECT_EQ(firstmoverfrom("3", noDraw), 2);
    EXPECT_EQ(firstmoverfrom("7", noDraw), 2);
    EXPECT_EQ(firstmoverfrom("", noDraw), 2);
    for (int drawn : {1, 2}) {
        int asked = 0;
        EXPECT_EQ(firstmoverfrom("1", [&](int n, int offset) {
                      asked = n * 10 + offset;
                      return drawn;
                  }),
                  drawn);
        EXPECT_EQ(asked, 21) << "one of two, from 1";
    }
}

TEST(SeaWarPlacement, BattleStartsTheFirstMoversCount) {
    SeaWarTable t;
    t.playershots = 4;
    t.compshots = 3;
    beginbattle(t, 1);
    EXPECT_FALSE(t.placing);
    EXPECT_EQ(t.firstmover, 1);
    EXPECT_EQ(t.playershots, 0);
    EXPECT_EQ(t.compshots, 3);
    beginbattle(t, 2);
    EXPECT_EQ(t.compshots, 0);
}
