#include "games/towers-foreaft/towers_rules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using towersrules::TowersTable;

TowersTable fresh(int n) {
    TowersTable t;
    t.n = n;
    towersrules::newgame(t);
    return t;
}

std::set<int> draggables(const TowersTable& t) {
    std::set<int> discs;
    for (int d = 1; d <= t.n; ++d)
        if (towersrules::draggable(t, d)) discs.insert(d);
    return discs;
}

// Plays moves given as (disc, target peg), each from the peg the disc lies on; all must be accepted.
void play(TowersTable& t, const std::vector<std::pair<int, int>>& moves) {
    for (auto [d, p] : moves) ASSERT_TRUE(towersrules::drop(t, d, t.piecepeg[d], p)) << d << " to " << p;
}

TEST(TowersRules, NewGameStacksEveryDiscOnTheFirstPegWithOnlyTheSmallestFree) {
    for (int n : {4, 5, 6}) {
        TowersTable t = fresh(n);
        EXPECT_EQ(t.pegcount[1], n);
        EXPECT_EQ(t.pegcount[2] + t.pegcount[3], 0);
        EXPECT_EQ(t.pegtop[1], 1);
        EXPECT_EQ(t.pegtop[2], 0);
        EXPECT_EQ(t.pegtop[3], 0);
        EXPECT_EQ(draggables(t), std::set<int>{1}) << n;
        EXPECT_FALSE(towersrules::won(t));
    }
}

TEST(TowersRules, ADropIsAcceptedOnAnEmptyPegOrALargerDiscOnly) {
    // Disc 1 on peg 2 and disc 2 on peg 3; discs 3 and 4 remain on peg 1.
    TowersTable t = fresh(4);
    play(t, {{1, 2}, {2, 3}});
    struct Case {
        int d, s, p;
        bool accepted;
        const char* why;
    };
    const Case cases[] = {
        {3, 1, 2, false, "onto the smaller disc 1"},
        {3, 1, 3, false, "onto the smaller disc 2"},
        {1, 2, 3, true, "onto the larger disc 2"},
        {1, 2, 1, true, "onto the larger disc 3"},
        {1, 2, 2, false, "back onto its own peg"},
        {2, 3, 3, false, "back onto its own peg"},
        {4, 1, 2, false, "not a top disc"},
        {3, 2, 3, false, "not on the peg the box names"},
        {0, 1, 2, false, "no disc named"},
        {7, 1, 2, false, "no such disc"},
        {1, 2, 0, false, "no such peg"},
    };
    for (const auto& c : cases) EXPECT_EQ(towersrules::accepts(t, c.d, c.s, c.p), c.accepted) << c.why;
}

TEST(TowersRules, AMoveFreesTheDiscBelowAndCoversTheOneItLandsOn) {
    TowersTable t = fresh(4);
    play(t, {{1, 3}});
    EXPECT_EQ(draggables(t), (std::set<int>{1, 2}));
    play(t, {{2, 2}});
    EXPECT_EQ(draggables(t), (std::set<int>{1, 2, 3}));
    play(t, {{1, 2}});
    EXPECT_EQ(draggables(t), (std::set<int>{1, 3}));
    EXPECT_EQ(t.pegcount[2], 2);
    EXPECT_EQ(t.pegtop[2], 1);
    EXPECT_EQ(t.pegtop[3], 0);
    EXPECT_EQ(t.pegcount[1] + t.pegcount[2] + t.pegcount[3], 4);
}

TEST(TowersRules, EveryEmptyPegTakesAnyDiscWhateverItHeldBefore) {
    TowersTable t = fresh(5);
    play(t, {{1, 3}, {1, 1}});
    EXPECT_TRUE(towersrules::accepts(t, 1, 1, 2));
    EXPECT_TRUE(towersrules::accepts(t, 1, 1, 3));
    EXPECT_EQ(t.pegtop[3], 0);
}

TEST(TowersRules, ARefusedDropChangesNothing) {
    TowersTable t = fresh(4);
    play(t, {{1, 2}});
    const TowersTable before = t;
    EXPECT_FALSE(towersrules::drop(t, 2, 1, 2));
    EXPECT_EQ(t.piecepeg, before.piecepeg);
    EXPECT_EQ(t.pegcount, before.pegcount);
    EXPECT_EQ(t.pegtop, before.pegtop);
}

// The classic solution moves the tower in 2^n - 1 moves, every one accepted.
void solve(TowersTable& t, int discs, int from, int to, int spare, int& moves) {
    if (discs == 0) return;
    solve(t, discs - 1, from, spare, to, moves);
    ASSERT_TRUE(towersrules::drop(t, discs, from, to));
    ++moves;
    solve(t, discs - 1, spare, to, from, moves);
}

TEST(TowersRules, TheTowerWinsOnTheSecondOrThirdPegButNotBackOnTheFirst) {
    for (int n : {4, 5, 6})
        for (int target : {2, 3}) {
            SCOPED_TRACE(std::to_string(n) + " discs to peg " + std::to_string(target));
            TowersTable t = fresh(n);
            int moves = 0;
            solve(t, n - 1, 1, 5 - target, target, moves);
            ASSERT_TRUE(towersrules::drop(t, n, 1, target));
            EXPECT_FALSE(towersrules::won(t)) << "the largest disc alone";
            solve(t, n - 1, 5 - target, target, 1, moves);
            EXPECT_EQ(moves + 1, (1 << n) - 1);
            EXPECT_TRUE(towersrules::won(t));
            EXPECT_EQ(t.pegcount[target], n);
            int back = 0;
            solve(t, n, target, 1, 5 - target, back);
            EXPECT_FALSE(towersrules::won(t)) << "a tower on the first peg is no win";
        }
}

TEST(TowersRules, DesignTablesOfTheThreeSizes) {
    struct Case {
        int n;
        double clientHeight;
        int disc, peg;
        double left, width, height;
        int stackHeight;
        double top;
    };
    const Case cases[] = {
        {4, 6225, 1, 1, 1560, 1005, 240, 1, 4000}, {4, 6225, 4, 3, 7560, 2535, 525, 4, 2640},
        {4, 6225, 3, 2, 4500, 1935, 375, 2, 3480}, {5, 5910, 3, 2, 4320, 2055, 420, 5, 1560},
        {5, 5910, 5, 1, 720, 2775, 645, 1, 3840},  {6, 6015, 6, 1, 480, 3255, 645, 6, 1440},
        {6, 6015, 5, 3, 7440, 2550, 540, 3, 2640}, {6, 6015, 3, 2, 4560, 1815, 375, 1, 3960},
    };
    for (const auto& c : cases) {
        const auto& d = towersrules::design(c.n);
        SCOPED_TRACE(c.n);
        EXPECT_EQ(d.n, c.n);
        EXPECT_EQ(d.client.width, 10845);
        EXPECT_EQ(d.client.height, c.clientHeight);
        EXPECT_EQ(d.disc[c.disc].width, c.width);
        EXPECT_EQ(d.disc[c.disc].height, c.height);
        for (float scale : {1.0f, 0.78f}) {
            EXPECT_DOUBLE_EQ(towersrules::discLeft(d, c.disc, c.peg, scale), float(c.left) * scale);
            EXPECT_DOUBLE_EQ(towersrules::discTop(d, c.stackHeight, scale), float(c.top) * scale);
        }
    }
    EXPECT_EQ(towersrules::pegLeft(1), 360);
    EXPECT_EQ(towersrules::pegLeft(3), 7080);
}

// A disc's left edge depends on the disc and peg only: each disc lies inside its peg's picture.
TEST(TowersRules, EveryDiscLiesOverItsPeg) {
    for (int n : {4, 5, 6}) {
        const auto& d = towersrules::design(n);
        for (int disc = 1; disc <= n; ++disc)
            for (int peg = 1; peg <= 3; ++peg) {
                const double left = d.left[disc][peg];
                EXPECT_GE(left, towersrules::pegLeft(peg)) << n << " " << disc << " " << peg;
                EXPECT_LE(left + d.disc[disc].width, towersrules::pegLeft(peg) + towersrules::kPegWidth);
            }
        // The stack rises: each height lies above the one below.
        for (int h = 2; h <= n; ++h) EXPECT_LT(d.top[h], d.top[h - 1]);
    }
}

}  // namespace
