#include "art/pip_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using art::PipSpot;

// The same spot seen after turning the 71 x 96 card half round; a pip on the middle line stays
// upright, as printed.
PipSpot turned(const PipSpot& p) { return {71 - p.x, 96 - p.y, p.y == 48 ? p.upsideDown : !p.upsideDown}; }

bool sameSpot(const PipSpot& a, const PipSpot& b) {
    return std::abs(a.x - b.x) < 0.01 && std::abs(a.y - b.y) < 0.01 && a.upsideDown == b.upsideDown;
}

TEST(ArtPipLayout, NumberCardsCarryAsManyPipsAsTheirRank) {
    for (int rank = 2; rank <= 10; ++rank) EXPECT_EQ(art::pipLayout(rank).size(), static_cast<size_t>(rank)) << rank;
    for (int rank : {-1, 0, 1, 11, 12, 13, 14}) EXPECT_TRUE(art::pipLayout(rank).empty()) << rank;
}

TEST(ArtPipLayout, PipsStayInsideTheCornersAndApart) {
    for (int rank = 2; rank <= 10; ++rank) {
        const auto pips = art::pipLayout(rank);
        for (size_t i = 0; i < pips.size(); ++i) {
            EXPECT_GE(pips[i].x, 20) << rank;  // clear of the corner index
            EXPECT_LE(pips[i].x, 51) << rank;
            EXPECT_GE(pips[i].y, 12) << rank;
            EXPECT_LE(pips[i].y, 84) << rank;
            for (size_t j = i + 1; j < pips.size(); ++j)
                EXPECT_GE(std::hypot(pips[i].x - pips[j].x, pips[i].y - pips[j].y), 14) << rank << ": pips overlap";
        }
    }
}

TEST(ArtPipLayout, PipsBelowTheMiddleAreUpsideDown) {
    for (int rank = 2; rank <= 10; ++rank)
        for (const PipSpot& p : art::pipLayout(rank)) EXPECT_EQ(p.upsideDown, p.y > 48) << rank;
}

// Pips lie the same either way up, except on the seven with its single extra pip.
TEST(ArtPipLayout, LooksTheSameTurnedRoundExceptTheSeven) {
    for (int rank = 2; rank <= 10; ++rank) {
        const auto pips = art::pipLayout(rank);
        const bool symmetric = std::all_of(pips.begin(), pips.end(), [&](const PipSpot& p) {
            return std::any_of(pips.begin(), pips.end(), [&](const PipSpot& q) { return sameSpot(turned(p), q); });
        });
        EXPECT_EQ(symmetric, rank != 7) << rank;
    }
}

}  // namespace
