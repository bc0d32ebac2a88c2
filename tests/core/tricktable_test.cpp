#include "core/tricktable.h"

#include <gtest/gtest.h>

using namespace core;

TEST(TrickTableSeats, SlotsBelongToTheirSeatsInFourRunsOfThirteen) {
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

TEST(TrickTableLayout, TrickPlacesAndCloseUpsScaleWithTheWindow) {
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

TEST(TrickTableLayout, SweepLeavesTowardTheWinnerUntilItsLimit) {
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

TEST(TrickTableLayout, TheTopHandLiesAtTheRowItsGameGives) {
    for (double row : {600.0, 700.0}) {
        EXPECT_DOUBLE_EQ(fanPlace(27, 1, row).top, row);
        EXPECT_DOUBLE_EQ(fanPlace(39, 1, row).left, 6600);
        EXPECT_NEAR(fanPlace(33, 0.86f, row).top, row * 0.86, 0.01);
        EXPECT_DOUBLE_EQ(fanPlace(40, 1, row).top, kHandRow) << "the user's row is the same in every game";
    }
}

TEST(TrickTableJudging, HighestValueWinsAndEqualValuesGoToTheLaterSeat) {
    const struct { std::array<int, 5> values; int winner; } cases[] = {
        {{0, 144, 12, 133, 140}, 1},
        {{0, 12, 144, 133, 140}, 2},
        {{0, 140, 140, 3, 2}, 2},
        {{0, 140, 12, 140, 2}, 3},
        {{0, 140, 12, 140, 140}, 4},
        {{0, 2, 3, 4, 274}, 4},
        {{0, 0, 0, 0, 0}, 4}};
    for (const auto& c : cases) EXPECT_EQ(trickwinner(c.values), c.winner);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(nextSeat(seat), seat % 4 + 1);
    EXPECT_EQ(nextSeat(0), 0);
    EXPECT_EQ(nextSeat(5), 5);
}
