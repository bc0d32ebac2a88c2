#include <gtest/gtest.h>

#include "games/gin/gin_layout.h"
#include "games/gin/gin_moves.h"
#include "gin_builder.h"

#include <algorithm>

using namespace ginrules;
using gintest::slotOf;
using gintest::table;
using gintest::tagOf;

namespace {

TEST(GinDeal, SlotsAreTaggedWhereTheDealLaysThem) {
    const GinTable t = table("", "");
    for (int slot = 1; slot <= 52; ++slot) {
        SCOPED_TRACE(slot);
        if (slot <= 10) EXPECT_EQ(t.tag[slot], 100 + slot);
        else if (slot <= 20) EXPECT_EQ(t.tag[slot], 190 + slot);
        else if (slot == 21) EXPECT_EQ(t.tag[slot], 301);
        else EXPECT_EQ(t.tag[slot], slot - 21);
        EXPECT_EQ(t.cardrank[slot], (t.deckorder[slot] - 1) % 13 + 1);
    }
    EXPECT_EQ(t.cardsuit[slotOf(t, "QS")], core::Suit::Spades);
    EXPECT_EQ(t.cardsuit[slotOf(t, "2C")], core::Suit::Clubs);
    EXPECT_EQ(t.cardsuit[slotOf(t, "JD")], core::Suit::Diamonds);
    EXPECT_EQ(t.cardsuit[slotOf(t, "KH")], core::Suit::Hearts);
    EXPECT_EQ(t.pilecount, 1);
    EXPECT_EQ(t.stockcount, 31);
    EXPECT_EQ(t.drawn, 0);
}

TEST(GinDeal, ThirtyOneDrawsTakeTheStockInSlotOrderThenNothingMoves) {
    GinTable t = table("", "");
    for (int k = 0; k < 31; ++k) {
        const int side = k % 2 ? kComputer : kUser;
        const int slot = drawStock(t, side);
        ASSERT_EQ(slot, 22 + k);
        EXPECT_EQ(t.tag[slot], drawnTag(side));
        t.tag[slot] = kPile + 1 + t.pilecount++;  // out of the hand again, as a discard would
    }
    EXPECT_EQ(t.stockcount, 0);
    const auto tags = t.tag;
    EXPECT_EQ(drawStock(t, kUser), 0);
    EXPECT_EQ(t.tag, tags);
    EXPECT_EQ(t.stockcount, 0);
}

TEST(GinMoves, ADiscardClosesUpTheHandBehindIt) {
    GinTable t = table("AS 2S 3S 4S 5S 6S 7S 8S 9S TS", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC", "", "JD JH");
    drawStock(t, kComputer);
    const int fourth = slotOf(t, "4S");
    EXPECT_EQ(discard(t, kComputer, 104), fourth);
    EXPECT_EQ(t.tag[fourth], 302);
    EXPECT_EQ(t.pilecount, 2);
    const char* after[] = {"AS", "2S", "3S", "5S", "6S", "7S", "8S", "9S", "TS", "JD"};
    for (int k = 0; k < 10; ++k) EXPECT_EQ(tagOf(t, after[k]), 101 + k) << after[k];

    drawStock(t, kUser);
    discard(t, kUser, 211);
    EXPECT_EQ(tagOf(t, "JH"), 303) << "the drawn card goes, nothing else moves";
    for (int k = 0; k < 10; ++k) EXPECT_EQ(t.tag[11 + k], 201 + k);
    drawStock(t, kUser);
    discard(t, kUser, 201);
    EXPECT_EQ(tagOf(t, "AC"), 304);
    for (int k = 1; k < 10; ++k) EXPECT_EQ(t.tag[11 + k], 200 + k);
    EXPECT_EQ(t.tag[24], 210) << "the drawn card closes up to the tenth place";
}

TEST(GinMoves, TheTopDiscardTakenAndDiscardedAgainReturnsToTheTop) {
    GinTable t = table("", "", "8H");
    const int card = slotOf(t, "8H");
    t.turn = kUser;
    ASSERT_EQ(userMove(t, card), UserMove::TakePile);
    EXPECT_EQ(takePile(t, kUser), card);
    EXPECT_EQ(t.tag[card], 211);
    EXPECT_EQ(t.pilecount, 0);
    EXPECT_EQ(pileTop(t), 0);
    t.drawn = -1;
    ASSERT_EQ(userMove(t, card), UserMove::Discard);
    EXPECT_EQ(discard(t, kUser, 211), card);
    EXPECT_EQ(t.tag[card], 301);
    EXPECT_EQ(pileTop(t), card);
}

TEST(GinMoves, NothingMovesThatIsNotThere) {
    GinTable t = table("", "");
    const auto tags = t.tag;
    EXPECT_EQ(discard(t, kComputer, 111), 0) << "no drawn card";
    EXPECT_EQ(discard(t, kUser, 105), 0) << "not the user's card";
    EXPECT_EQ(t.tag, tags);
    EXPECT_EQ(t.pilecount, 1);
    takePile(t, kUser);
    EXPECT_EQ(takePile(t, kComputer), 0) << "an empty pile";
}

TEST(GinMoves, WhatAClickDoesForTheUser) {
    GinTable t = table("", "", "", "");
    const int own = 15, computers = 3, pile = 21, stock = 22;
    const struct {
        const char* what;
        int turn, drawn, slot;
        UserMove move;
    } cases[] = {
        {"the pile before drawing", kUser, 0, pile, UserMove::TakePile},
        {"the pile after drawing", kUser, -1, pile, UserMove::None},
        {"an own card before drawing", kUser, 0, own, UserMove::None},
        {"an own card after drawing", kUser, -1, own, UserMove::Discard},
        {"the computer's card", kUser, -1, computers, UserMove::None},
        {"a stock card", kUser, 0, stock, UserMove::None},
        {"the pile in the computer's turn", kComputer, 0, pile, UserMove::None},
        {"an own card once the hand is over", 0, -1, own, UserMove::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        t.turn = c.turn;
        t.drawn = c.drawn;
        EXPECT_EQ(userMove(t, c.slot), c.move);
    }
    t.turn = kUser;
    t.drawn = 0;
    EXPECT_TRUE(userMayDraw(t));
    t.drawn = -1;
    EXPECT_FALSE(userMayDraw(t));
    t.turn = 0;
    t.drawn = 0;
    EXPECT_FALSE(userMayDraw(t));
}

TEST(GinLayout, PlacesByTagAtEachScale) {
    for (float scale : {1.0f, 0.9f, 0.76f}) {
        SCOPED_TRACE(scale);
        const double s = scale;
        EXPECT_NEAR(placeOf(101, scale).left, 2680 * s, 1e-3);
        EXPECT_NEAR(placeOf(110, scale).left, 5380 * s, 1e-3);
        EXPECT_NEAR(placeOf(105, scale).top, 1120 * s, 1e-3);
        EXPECT_NEAR(placeOf(111, scale).left, 5680 * s, 1e-3);
        EXPECT_NEAR(placeOf(111, scale).top, 1125 * s, 1e-3);
        EXPECT_NEAR(placeOf(203, scale).left, 3280 * s, 1e-3);
        EXPECT_NEAR(placeOf(203, scale).top, 5520 * s, 1e-3);
        EXPECT_NEAR(placeOf(211, scale).left, 5680 * s, 1e-3);
        EXPECT_NEAR(placeOf(211, scale).top, 5520 * s, 1e-3);
        EXPECT_NEAR(placeOf(317, scale).left, 5380 * s, 1e-3);
        EXPECT_NEAR(placeOf(301, scale).top, 3400 * s, 1e-3);
        EXPECT_EQ(placeOf(7, scale).left, 0);
        EXPECT_EQ(placeOf(7, scale).top, -4000) << "the stock waits unscaled above the window";
        EXPECT_NEAR(markerTop(5520 * s, 1440 * s, scale), (5520 + 1440 + 50) * s, 1e-3);
    }
    EXPECT_NEAR(placeOf(201, 0.76f).left, 2036.8, 1e-3);
    EXPECT_NEAR(placeOf(202, 0.76f).left - placeOf(201, 0.76f).left, 228, 1e-3);
}

}  // namespace
