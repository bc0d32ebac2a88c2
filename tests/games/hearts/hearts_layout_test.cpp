#include <gtest/gtest.h>

#include "games/hearts/hearts_layout.h"
#include "games/hearts/hearts_table.h"

using namespace heartsrules;

TEST(HeartsSeats, SlotsBelongToTheirSeatsInFourRunsOfThirteen) {
    const struct { int slot, seat; } cases[] = {
        {1, 4}, {13, 4}, {14, 2}, {26, 2}, {27, 1}, {39, 1}, {40, 3}, {52, 3}};
    for (auto c : cases) EXPECT_EQ(seatOfSlot(c.slot), c.seat) << c.slot;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(seatOfSlot(firstSlot(seat)), seat);
        EXPECT_EQ(seatOfSlot(firstSlot(seat) + 12), seat);
        EXPECT_TRUE(slotOfSeat(seat, firstSlot(seat) + 12));
        EXPECT_FALSE(slotOfSeat(seat, firstSlot(seat) + 13));
        EXPECT_FALSE(slotOfSeat(seat, firstSlot(seat) - 1));
    }
}

TEST(HeartsLayout, FansLieThreeHundredTwipsApartFromTheirDesignCorners) {
    const struct { int slot; double left, top; } cases[] = {
        {1, 360, 1800}, {13, 360, 5400}, {14, 8760, 1800}, {26, 8760, 5400},
        {27, 3000, 600}, {39, 6600, 600}, {40, 3000, 5880}, {52, 6600, 5880}};
    for (auto c : cases) {
        EXPECT_DOUBLE_EQ(fanPlace(c.slot, 1).left, c.left) << c.slot;
        EXPECT_DOUBLE_EQ(fanPlace(c.slot, 1).top, c.top) << c.slot;
        EXPECT_NEAR(fanPlace(c.slot, 0.74f).left, c.left * 0.74, 0.01) << c.slot;
        EXPECT_NEAR(fanPlace(c.slot, 0.9f).top, c.top * 0.9, 0.01) << c.slot;
    }
    EXPECT_TRUE(sideways(1));
    EXPECT_TRUE(sideways(26));
    EXPECT_FALSE(sideways(27));
    EXPECT_FALSE(sideways(52));
}

TEST(HeartsLayout, TrickPlacesAndCloseUpsScaleWithTheWindow) {
    const struct { int seat; double left, top, stepLeft, stepTop; } cases[] = {
        {1, 4560, 2200, -300, 0}, {2, 6060, 2800, 0, -300},
        {3, 4560, 3960, -300, 0}, {4, 3060, 2800, 0, -300}};
    for (float scale : {1.0f, 0.9f, 0.74f}) {
        for (auto c : cases) {
            EXPECT_NEAR(trickPlace(c.seat, scale).left, c.left * scale, 0.01) << c.seat;
            EXPECT_NEAR(trickPlace(c.seat, scale).top, c.top * scale, 0.01) << c.seat;
            EXPECT_NEAR(closeUpStep(c.seat, scale).left, c.stepLeft * scale, 0.01) << c.seat;
            EXPECT_NEAR(closeUpStep(c.seat, scale).top, c.stepTop * scale, 0.01) << c.seat;
        }
    }
}

TEST(HeartsLayout, RowTestAllowsOneTwipEitherWay) {
    const struct { double top; float scale; Row row; } cases[] = {
        {5880, 1, Row::Hand}, {5881, 1, Row::Hand}, {5879, 1, Row::Hand}, {5882, 1, Row::Elsewhere},
        {5680, 1, Row::Raised}, {5678, 1, Row::Elsewhere}, {3960, 1, Row::Elsewhere},
        {scaled(5880, 0.9f), 0.9f, Row::Hand}, {5292, 0.9f, Row::Hand},
        {scaled(5680, 0.9f), 0.9f, Row::Raised}, {scaled(5880, 0.74f), 0.74f, Row::Hand},
        {scaled(5680, 0.74f), 0.74f, Row::Raised}, {5880, 0.74f, Row::Elsewhere}};
    for (auto c : cases) EXPECT_EQ(rowOf(c.top, c.scale), c.row) << c.top << " at " << c.scale;
}

TEST(HeartsLayout, SweepLeavesTowardTheWinnerUntilItsLimit) {
    const struct { int winner; Place step; Place inside, beyond; } cases[] = {
        {1, {0, -300}, {0, -9999}, {0, -10000}},
        {2, {300, 0}, {19999, 0}, {20000, 0}},
        {3, {0, 300}, {0, 9999}, {0, 10000}},
        {4, {-300, 0}, {-19999, 0}, {-20000, 0}}};
    for (auto c : cases) {
        EXPECT_EQ(sweepStep(c.winner).left, c.step.left) << c.winner;
        EXPECT_EQ(sweepStep(c.winner).top, c.step.top) << c.winner;
        EXPECT_FALSE(sweptOff(c.winner, c.inside)) << c.winner;
        EXPECT_TRUE(sweptOff(c.winner, c.beyond)) << c.winner;
    }
    EXPECT_FALSE(sweptOff(0, {-30000, -30000}));
}
