#include "games/golf/golf_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

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

// A table dealt with the given rank at every table card (spades, so the code is the rank) and a
// waste five; the stock holds the codes 36..51.
GolfTable dealt(int (*rankAt)(int card)) {
    GolfTable t;
    for (int k = 1; k <= kTableCards; ++k) t.deckorder[k] = static_cast<std::int16_t>(rankAt(k));
    for (int k = kFirstStockCard; k < kWasteCard; ++k) t.deckorder[k] = static_cast<std::int16_t>(k);
    t.deckorder[kWasteCard] = 5;
    lay(t);
    return t;
}

std::set<int> exposedCards(const GolfTable& t) {
    std::set<int> cards;
    for (int k = 1; k <= kTableCards; ++k)
        if (exposed(t, k)) cards.insert(k);
    return cards;
}

TEST(GolfRules, DealFillsEveryColumnAndShowsTheBottomRowWhole) {
    const GolfTable t = dealt([](int) { return 13; });
    for (int k = 1; k <= kTableCards; ++k) EXPECT_TRUE(onTable(t, k)) << k;
    EXPECT_EQ(exposedCards(t), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(t.columns[3], (std::vector<int>{31, 24, 17, 10, 3}));
    EXPECT_EQ(t.nextdraw, kFirstStockCard);
    EXPECT_EQ(t.waste, 5);
}

// Every column played down in turn: fours and fives alternate so that each card fits the last.
TEST(GolfRules, PlayingACardShowsTheNextOneUpItsColumnWhole) {
    GolfTable t = dealt([](int k) { return (column(k) + row(k)) % 2 == 0 ? 4 : 5; });
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const int k = c + kColumns * (r - 1);
            ASSERT_TRUE(play(t, k)) << k;
            EXPECT_FALSE(onTable(t, k)) << k;
            EXPECT_EQ(t.waste, t.deckorder[k]) << k;
            if (r < kRows) {
                EXPECT_TRUE(exposed(t, k + kColumns)) << k;
            } else {
                EXPECT_TRUE(t.columns[c].empty()) << "column " << c;
            }
            EXPECT_EQ(exposedCards(t).size(), std::size_t(kColumns - (r == kRows ? c : c - 1))) << k;
        }
    }
}

TEST(GolfRules, RefusedPlayChangesNothing) {
    // Card 8 would fit the five but lies under card 1; card 1 is a king; 0 and 36 are no table cards.
    GolfTable t = dealt([](int k) { return k == 8 ? 4 : 13; });
    const GolfTable before = t;
    for (int k : {8, 1, 0, 36, 52}) {
        EXPECT_FALSE(play(t, k)) << k;
        EXPECT_EQ(t.columns, before.columns) << k;
        EXPECT_EQ(t.waste, before.waste) << k;
    }
}

TEST(GolfRules, TurningTheStockPutsEachCardOnTheWasteUntilItIsSpent) {
    GolfTable t = dealt([](int) { return 13; });
    for (int card = kFirstStockCard; card < kWasteCard; ++card) {
        EXPECT_EQ(turnStock(t), card);
        EXPECT_EQ(t.waste, card);
        EXPECT_EQ(t.nextdraw, card + 1);
    }
    EXPECT_EQ(turnStock(t), 0);
    EXPECT_EQ(t.waste, kWasteCard - 1);
    EXPECT_EQ(t.nextdraw, kWasteCard);
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

}  // namespace
