#include "games/golf/golf_rules.h"

#include <gtest/gtest.h>

using namespace golfrules;

namespace {

struct MoveCase { int rank; int waste; bool taken; };

TEST(GolfRules, MoveOneRankUpOrDownWithoutWrap) {
    const MoveCase cases[] = {
        {2, 1, true},    {13, 1, false}, {1, 1, false},  {3, 1, false},   // ace takes only a two
        {12, 13, true},  {1, 13, false}, {13, 13, false}, {11, 13, false}, // king only a queen
        {11, 12, true},  {13, 12, true}, {12, 12, false}, {10, 12, false}, // queen: jack or king
        {1, 2, true},    {3, 2, true},   {2, 2, false},   {4, 2, false},
        {6, 7, true},    {8, 7, true},   {7, 7, false},   {5, 7, false},  {9, 7, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(takes(c.rank, c.waste), c.taken) << c.rank << " onto " << c.waste;
}

TEST(GolfRules, EveryWasteRankTakesItsNeighboursOnly) {
    for (int waste = 1; waste <= 13; ++waste) {
        int taken = 0;
        for (int rank = 1; rank <= 13; ++rank) {
            if (!takes(rank, waste)) continue;
            ++taken;
            EXPECT_EQ(std::abs(rank - waste), 1) << rank << " onto " << waste;
            EXPECT_TRUE(takes(waste, rank)) << "the rule is symmetric";
        }
        EXPECT_EQ(taken, waste == 1 || waste == 13 ? 1 : 2) << "waste " << waste;
    }
}

struct PlaceCase { int card; int column; int row; double left; double top; };

TEST(GolfRules, TableCardsLieInSevenColumnsOfFiveFromTheBottom) {
    const PlaceCase cases[] = {
        {1, 1, 1, 600, 3720},  {7, 7, 1, 7800, 3720},  {8, 1, 2, 600, 3360},
        {18, 4, 3, 4200, 3000}, {29, 1, 5, 600, 2280}, {35, 7, 5, 7800, 2280},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(column(c.card), c.column) << c.card;
        EXPECT_EQ(row(c.card), c.row) << c.card;
        EXPECT_DOUBLE_EQ(cardLeft(c.card), c.left) << c.card;
        EXPECT_DOUBLE_EQ(cardTop(c.card), c.top) << c.card;
    }
}

TEST(GolfRules, LeavingCardFreesTheNextOneUpItsColumn) {
    const std::pair<int, int> cases[] = {{1, 8}, {7, 14}, {15, 22}, {28, 35}, {29, 0}, {35, 0}};
    for (auto [t, freed] : cases) EXPECT_EQ(freedCard(t), freed) << t;
    for (int t = 1; t <= kTableCards; ++t) {
        const int freed = freedCard(t);
        if (row(t) == kRows) {
            EXPECT_EQ(freed, 0) << t;
            continue;
        }
        EXPECT_EQ(column(freed), column(t)) << t;
        EXPECT_EQ(row(freed), row(t) + 1) << t;
    }
}

struct StockCase { int nextdraw; int left; bool turnable; StockView view; };

TEST(GolfRules, StockShowsItsPileByTheCardsLeft) {
    const StockCase cases[] = {
        {36, 16, true, StockView::Half},  {43, 9, true, StockView::Half},
        {44, 8, true, StockView::Thin},   {50, 2, true, StockView::Thin},
        {51, 1, true, StockView::Back},   {52, 0, false, StockView::Spent},
        {53, 0, false, StockView::Spent},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cardsLeft(c.nextdraw), c.left) << c.nextdraw;
        EXPECT_EQ(canTurn(c.nextdraw), c.turnable) << c.nextdraw;
        EXPECT_EQ(stockView(c.nextdraw), c.view) << c.nextdraw;
    }
}

TEST(GolfRules, SixteenTurnsSpendTheStock) {
    int nextdraw = kFirstStockCard;
    int turns = 0;
    while (canTurn(nextdraw)) {
        ++nextdraw;
        ++turns;
    }
    EXPECT_EQ(turns, 16);
    EXPECT_EQ(nextdraw, kWasteCard);
}

}  // namespace
