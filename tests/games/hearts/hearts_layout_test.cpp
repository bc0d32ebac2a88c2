#include <gtest/gtest.h>

#include "games/hearts/hearts_layout.h"
#include "games/hearts/hearts_table.h"
#include "table_builder.h"

using namespace heartsrules;
using heartstest::rowOf;

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

TEST(HeartsLayout, RowTestAllowsOneTwipEitherWay) {
    const struct { double top; float scale; Row row; } cases[] = {
        {5880, 1, Row::Hand}, {5881, 1, Row::Hand}, {5879, 1, Row::Hand}, {5882, 1, Row::Elsewhere},
        {5680, 1, Row::Raised}, {5678, 1, Row::Elsewhere}, {3960, 1, Row::Elsewhere},
        {scaled(5880, 0.9f), 0.9f, Row::Hand}, {5292, 0.9f, Row::Hand},
        {scaled(5680, 0.9f), 0.9f, Row::Raised}, {scaled(5880, 0.74f), 0.74f, Row::Hand},
        {scaled(5680, 0.74f), 0.74f, Row::Raised}, {5880, 0.74f, Row::Elsewhere}};
    for (auto c : cases) EXPECT_EQ(rowOf(c.top, c.scale), c.row) << c.top << " at " << c.scale;
}
