#include "games/seawar/seawar_fleets.h"

#include <gtest/gtest.h>

#include <set>

using namespace seawarrules;

TEST(SeaWarFleets, EveryLayoutIsAFleetOfStraightShipsInsideTheGrid) {
    for (int layout = 1; layout <= kFleets; ++layout) {
        const Fleet f = fleet(layout);
        std::set<int> taken;
        for (int ship = 1; ship <= kShips; ++ship) {
            const ShipCells& cells = f[ship];
            const int step = cells[2] - cells[1];
            ASSERT_TRUE(step == 1 || step == 10) << "layout " << layout << " ship " << ship;
            for (int k = 1; k <= shipsize(ship); ++k) {
                EXPECT_GE(cells[k], 1) << "layout " << layout << " ship " << ship;
                EXPECT_LE(cells[k], 100) << "layout " << layout << " ship " << ship;
                EXPECT_EQ(cells[k], cells[1] + step * (k - 1)) << "layout " << layout << " ship " << ship;
                EXPECT_TRUE(taken.insert(cells[k]).second) << "layout " << layout << " shares cell " << cells[k];
            }
            if (step == 1) {
                EXPECT_EQ((cells[1] - 1) / 10, (cells[shipsize(ship)] - 1) / 10)
                    << "layout " << layout << " ship " << ship << " runs over the row's end";
            }
            for (std::size_t k = static_cast<std::size_t>(shipsize(ship)) + 1; k < cells.size(); ++k)
                EXPECT_EQ(cells[k], 0);
        }
        EXPECT_EQ(taken.size(), 17u);
    }
}

TEST(SeaWarFleets, ShipsKeepTheirOwnCellsInEachLayout) {
    const struct {
        int layout, ship, first, last;
    } cases[] = {
        {1, kCarrier, 12, 16},    {1, kSubmarine, 79, 99},   {1, kDestroyer, 41, 43}, {1, kCruiser, 81, 82},
        {2, kBattleship, 74, 77}, {3, kBattleship, 30, 60}, {4, kCruiser, 58, 68},   {6, kCarrier, 5, 9},
        {7, kSubmarine, 82, 84},  {8, kDestroyer, 11, 13},  {9, kBattleship, 5, 35}, {10, kCarrier, 18, 58},
        {10, kBattleship, 59, 89}, {10, kCruiser, 13, 23},
    };
    for (const auto& c : cases) {
        const ShipCells cells = fleet(c.layout)[c.ship];
        EXPECT_EQ(cells[1], c.first) << "layout " << c.layout << " ship " << c.ship;
        EXPECT_EQ(cells[shipsize(c.ship)], c.last) << "layout " << c.layout << " ship " << c.ship;
    }
}

TEST(SeaWarFleets, TheDrawPicksTheLayout) {
    SeaWarTable t;
    int asked = 0;
    const int layout = zgame(t, [&](int n, int offset) {
        asked = n * 1000 + offset;
        return 7;
    });
    EXPECT_EQ(asked, 10 * 1000 + 1) << "one of ten, from 1";
    EXPECT_EQ(layout, 7);
    EXPECT_EQ(t.enemycells, fleet(7));
}
