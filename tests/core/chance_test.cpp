#include "core/chance.h"

#include <gtest/gtest.h>

#include <vector>

using namespace core;

TEST(Chance, SameSeedSameSequenceAndAlwaysBelowOne) {
    Randomize(7);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) first.push_back(Rnd());
    Randomize(7);
    for (double r : first) {
        EXPECT_EQ(Rnd(), r);
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

TEST(Chance, FixedSeedOverridesTheClockSeed) {
    setFixedSeed(11);
    Randomize();
    double a = Rnd();
    Randomize();
    EXPECT_EQ(Rnd(), a);
    setFixedSeed(std::nullopt);
}
