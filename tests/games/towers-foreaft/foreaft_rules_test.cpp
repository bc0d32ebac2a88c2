#include "foreaft_solver.h"

#include "games/towers-foreaft/foreaft_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using foreaftrules::ForeAftBoard;
using foreaftrules::MoveKind;

ForeAftBoard start() {
    ForeAftBoard b;
    foreaftrules::startup(b);
    return b;
}

TEST(ForeAftRules, TheMoveListsOfEveryEmptyCell) {
    // Slides, then jumps (over the cell between), for each empty cell of the board.
    const std::vector<std::set<int>> expected = {
        {},
        {2, 4, 3, 7},       {1, 3, 5, 8},     {2, 6, 1, 9},          {1, 5, 7, 6},       {2, 4, 6, 8},
        {3, 5, 9, 4, 12},   {4, 8, 1, 9},     {5, 7, 9, 2, 10},      {6, 8, 10, 12, 3, 7, 11, 15},
        {9, 11, 13, 8, 16}, {10, 14, 9, 17},  {9, 13, 15, 6, 14},    {10, 12, 14, 16},   {11, 13, 17, 12},
        {12, 16, 9, 17},    {13, 15, 17, 10}, {14, 16, 11, 15},
    };
    for (int e = 1; e <= foreaftrules::kCells; ++e) {
        const auto& list = foreaftrules::movelist(e);
        EXPECT_EQ(std::set<int>(list.begin(), list.end()), expected[e]) << "empty cell " << e;
        EXPECT_EQ(list.size(), expected[e].size()) << "empty cell " << e;
        for (int c = 1; c <= foreaftrules::kCells; ++c)
            EXPECT_EQ(foreaftrules::inmovelist(e, c), expected[e].contains(c)) << e << " from " << c;
    }
}

TEST(ForeAftRules, TheKindOfMoveFollowsTheDifferenceOfTheCells) {
    const std::pair<int, MoveKind> cases[] = {
        {3, MoveKind::Vertical},    {-3, MoveKind::Vertical},   {6, MoveKind::Vertical},
        {-6, MoveKind::Vertical},   {1, MoveKind::Horizontal},  {-1, MoveKind::Horizontal},
        {2, MoveKind::Horizontal},  {-2, MoveKind::Horizontal}, {0, MoveKind::None},
        {4, MoveKind::None},        {-5, MoveKind::None},       {9, MoveKind::None},
    };
    for (auto [difference, kind] : cases) EXPECT_EQ(foreaftrules::movekind(difference), kind) << difference;
}

TEST(ForeAftRules, ExactlyEightPiecesMoveAtTheStart) {
    const ForeAftBoard b = start();
    EXPECT_EQ(b.emptycell, 9);
    std::set<int> movers;
    for (int p = 1; p <= foreaftrules::kPieces; ++p)
        if (foreaftrules::clickmove(b, "NO", p) != MoveKind::None) movers.insert(p);
    EXPECT_EQ(movers, (std::set<int>{3, 6, 7, 8, 9, 10, 11, 14}));
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 3), MoveKind::Vertical) << "3 jumps over 6";
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 7), MoveKind::Horizontal) << "7 jumps over 8";
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 14), MoveKind::Vertical) << "14 jumps from cell 15 over 12";
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 0), MoveKind::None);
    EXPECT_FALSE(foreaftrules::won(b));
}

TEST(ForeAftRules, AJumpPassesOverEitherColourAndLeavesItInPlace) {
    ForeAftBoard b = start();
    // Green 8 slides right into cell 9 ...
    foreaftrules::finishmove(b, 8);
    EXPECT_EQ(b.emptycell, 8);
    EXPECT_EQ(b.piecepos[8], 9);
    // ... now red 9 (cell 10) jumps left over green 8 into cell 8.
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 9), MoveKind::Horizontal);
    foreaftrules::finishmove(b, 9);
    EXPECT_EQ(b.piecepos[9], 8);
    EXPECT_EQ(b.piecepos[8], 9) << "the jumped piece stays";
    EXPECT_EQ(b.emptycell, 10);
    // Green 3 jumps over green 6 at the start.
    ForeAftBoard c = start();
    EXPECT_EQ(foreaftrules::clickmove(c, "NO", 3), MoveKind::Vertical);
    foreaftrules::finishmove(c, 3);
    EXPECT_EQ(c.piecepos[3], 9);
    EXPECT_EQ(c.piecepos[6], 6);
    EXPECT_EQ(c.emptycell, 3);
}

TEST(ForeAftRules, BackwardMovesOnlyWhenTheSettingReadsExactlyYes) {
    struct Case {
        const char* setting;
        int piece, from, to;
        bool allowed;
    };
    const Case cases[] = {
        {"NO", 8, 8, 9, true},    {"NO", 8, 9, 8, false},   {"YES", 8, 9, 8, true},
        {"", 8, 9, 8, false},     {"yes", 8, 9, 8, false},  {"YES\r\n", 8, 9, 8, false},
        {"NO", 10, 11, 9, true},  {"NO", 10, 9, 11, false}, {"YES", 10, 9, 11, true},
        {"NO", 3, 3, 9, true},    {"NO", 14, 15, 9, true},  {"maybe", 14, 9, 15, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(foreaftrules::directionallows(c.setting, c.piece, c.from, c.to), c.allowed)
            << '"' << c.setting << "\" piece " << c.piece << " " << c.from << " to " << c.to;
    // Through a click: green 8 back from cell 9 into cell 8.
    ForeAftBoard b = start();
    foreaftrules::finishmove(b, 8);
    EXPECT_EQ(foreaftrules::clickmove(b, "NO", 8), MoveKind::None);
    EXPECT_EQ(foreaftrules::clickmove(b, "", 8), MoveKind::None);
    EXPECT_EQ(foreaftrules::clickmove(b, "YES", 8), MoveKind::Horizontal);
}

// A click records its piece, moving or not, and moves under the setting the board holds.
TEST(ForeAftRules, AClickRecordsItsPieceAndMovesUnderTheBoardsSetting) {
    struct Case {
        const char* setting;
        int piece;
        MoveKind kind;
    };
    const Case cases[] = {
        {"NO", 8, MoveKind::None}, {"YES", 8, MoveKind::Horizontal}, {"yes", 8, MoveKind::None},
        {"YES", 4, MoveKind::None}, {"NO", 6, MoveKind::None},       {"YES", 6, MoveKind::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.setting) + " piece " + std::to_string(c.piece));
        ForeAftBoard b = start();
        foreaftrules::finishmove(b, 8);  // green 8 on cell 9, cell 8 empty
        b.backwards = c.setting;
        b.clicked = 1;
        EXPECT_EQ(foreaftrules::click(b, c.piece), c.kind);
        EXPECT_EQ(b.clicked, c.piece);
        EXPECT_EQ(b.emptycell, 8) << "a click moves nothing by itself";
    }
}

TEST(ForeAftRules, NoMoveFromACellOutsideTheEmptyCellsList) {
    ForeAftBoard b = start();
    // Cells 4 and 5 lie in no line with cell 9 at a slide's or jump's distance.
    EXPECT_EQ(foreaftrules::clickmove(b, "YES", 4), MoveKind::None);
    EXPECT_EQ(foreaftrules::clickmove(b, "YES", 5), MoveKind::None);
    EXPECT_EQ(foreaftrules::clickmove(b, "YES", 1), MoveKind::None) << "three cells up is no move";
}

TEST(ForeAftRules, TheBoardIsWonOnceTheColoursHaveChangedSquares) {
    ForeAftBoard b;
    for (int p = 1; p <= 8; ++p) b.piecepos[p] = static_cast<std::int16_t>(p + 9);
    for (int p = 9; p <= 16; ++p) b.piecepos[p] = static_cast<std::int16_t>(p - 8);
    b.emptycell = 9;
    EXPECT_TRUE(foreaftrules::won(b));
    std::swap(b.piecepos[1], b.piecepos[9]);
    EXPECT_FALSE(foreaftrules::won(b));
}

TEST(ForeAftRules, ThePuzzleIsSolvedWithoutBackwardMoves) {
    const std::vector<int> clicks = foreafttest::solution();
    EXPECT_EQ(clicks.size(), 46u);
    ForeAftBoard b = start();
    for (int p : clicks) {
        ASSERT_NE(foreaftrules::clickmove(b, "NO", p), MoveKind::None) << p;
        EXPECT_FALSE(foreaftrules::won(b));
        foreaftrules::finishmove(b, p);
    }
    EXPECT_TRUE(foreaftrules::won(b));
}

TEST(ForeAftRules, CellsLieOnTheGridOf720Twips) {
    const std::tuple<int, double, double> cases[] = {
        {1, 600, 480}, {3, 2040, 480}, {5, 1320, 1200}, {9, 2040, 1920},
        {11, 3480, 1920}, {12, 2040, 2640}, {17, 3480, 3360},
    };
    for (auto [cell, left, top] : cases) {
        EXPECT_EQ(foreaftrules::cellLeft(cell), left) << cell;
        EXPECT_EQ(foreaftrules::cellTop(cell), top) << cell;
    }
}

TEST(ForeAftRules, AStepMovesTowardsTheTargetAndEndsOnReachingOrPassingIt) {
    struct Case {
        double position, target, forward, back;
        double after;
        bool ended;
    };
    const Case cases[] = {
        {100, 200, 40, 40, 140, false},  {180, 200, 40, 40, 220, true},  {160, 200, 40, 40, 200, true},
        {300, 200, 31.2, 40, 260, false}, {230, 200, 31.2, 40, 190, true}, {240, 200, 31.2, 40, 200, true},
        {200, 200, 40, 40, 200, true},
    };
    for (const auto& c : cases) {
        const auto s = foreaftrules::step(c.position, c.target, c.forward, c.back);
        EXPECT_DOUBLE_EQ(s.position, c.after) << c.position << " to " << c.target;
        EXPECT_EQ(s.ended, c.ended) << c.position << " to " << c.target;
    }
}

}  // namespace
