#include "board_builder.h"

#include "games/backgammon/backgammon_computer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bgrules;
using bgtest::board;
using Action = ComputerTick::Action;

namespace {

void compDice(BackgammonTable& t, int d1, int d2) {
    t.compdie1 = d1;
    t.compdie2 = d2;
    t.compdoubles = d1 == d2;
    t.compdie3 = t.compdie4 = d1 == d2 ? d1 : 0;
}

int computerOn(const BackgammonTable& t, int point) {
    int n = 0;
    for (int i = 1; i <= kCheckers; ++i) n += t.comppos[i] == point;
    return n;
}

struct CascadeCase {
    std::string name;
    BackgammonTable table;
    int d1, d2;
    Action action;
    int from, to;
    std::string sound;
    bool turnOver;
};

// The first tick of a turn, case by case through the cascade.
TEST(BackgammonComputer, TheCascadeChoosesOneMoveATick) {
    const std::vector<CascadeCase> cases{
        {"both entry points closed", board({{22, 2}, {20, 2}, {1, 11}}, {{kComputerBar, 1}, {6, 14}}), 3, 5,
         Action::None, 0, 0, "", true},
        {"only die 2's entry point open", board({{22, 2}, {1, 13}}, {{kComputerBar, 2}, {6, 13}}), 3, 5,
         Action::Move, kComputerBar, 20, "flick.wav", false},
        {"entry onto a blot", board({{22, 1}, {1, 14}}, {{kComputerBar, 1}, {6, 14}}), 3, 5, Action::Hit,
         kComputerBar, 22, "squirt.wav", false},
        {"run from the user's home board first", board({{1, 15}}, {{20, 1}, {13, 2}, {9, 2}, {6, 10}}), 4, 2,
         Action::Move, 20, 16, "flick.wav", false},
        {"then make a point", board({{1, 14}, {10, 1}}, {{13, 2}, {11, 2}, {9, 2}, {6, 9}}), 2, 3, Action::Move,
         13, 11, "flick.wav", false},
        {"then hit", board({{1, 14}, {10, 1}}, {{13, 2}, {6, 13}}), 3, 1, Action::Hit, 13, 10, "squirt.wav", false},
        {"a point with contact", board({{1, 15}}, {{8, 2}, {13, 2}, {6, 11}}), 2, 1, Action::Move, 8, 6,
         "flick.wav", false},
        {"no point without contact", board({{20, 15}}, {{8, 2}, {13, 2}, {6, 11}}), 2, 1, Action::Move, 13, 11,
         "flick.wav", false},
        {"the fallback takes the highest point", board({{1, 15}}, {{15, 1}, {13, 2}, {6, 12}}), 5, 4, Action::Move,
         15, 10, "flick.wav", false},
        {"the fallback skips a user's point", board({{1, 13}, {8, 2}}, {{13, 2}, {12, 2}, {6, 11}}), 5, 4,
         Action::Move, 12, 7, "flick.wav", false},
        {"an exact die, the later test winning", board({{24, 15}}, {{4, 1}, {2, 1}, {1, 13}}), 2, 1,
         Action::BearOff, 1, 0, "flick.wav", false},
        {"a larger die bears off the rearmost", board({{24, 15}}, {{4, 1}, {2, 1}}), 5, 2, Action::BearOff, 4, 0,
         "flick.wav", false},
        {"all home, the back checker moves", board({{24, 15}}, {{6, 2}, {1, 1}}), 2, 3, Action::Move, 6, 4,
         "flick.wav", false},
        {"all home, the back checker gives up its die", board({{4, 2}, {24, 13}}, {{6, 2}, {1, 1}}), 2, 3,
         Action::GiveUp, 0, 0, "flick.wav", false},
        {"all home, the back checker hits with a flick", board({{4, 1}, {24, 14}}, {{6, 2}, {1, 1}}), 2, 3,
         Action::Hit, 6, 4, "flick.wav", false},
        {"every checker stuck", board({{19, 2}, {18, 2}, {17, 2}, {16, 2}, {15, 2}, {14, 2}, {1, 3}}, {{20, 15}}), 1,
         2, Action::None, 0, 0, "", true},
    };
    for (const auto& c : cases) {
        BackgammonTable t = c.table;
        compDice(t, c.d1, c.d2);
        const ComputerTick tick = computerTick(t);
        EXPECT_EQ(tick.action, c.action) << c.name;
        if (tick.checker) {
            EXPECT_EQ(tick.from, c.from) << c.name;
            EXPECT_EQ(tick.to, c.to) << c.name;
            EXPECT_EQ(t.comppos[tick.checker], c.to) << c.name;
        }
        EXPECT_EQ(std::string(tick.sound), c.sound) << c.name;
        EXPECT_EQ(tick.turnOver, c.turnOver) << c.name;
    }
}

TEST(BackgammonComputer, BearingOffFromFourAndTwoWithFiveTwo) {
    BackgammonTable t = board({{24, 15}}, {{4, 1}, {2, 1}});
    t.compoff = 13;
    compDice(t, 5, 2);
    const ComputerTick first = computerTick(t);
    EXPECT_EQ(first.action, Action::BearOff);
    EXPECT_EQ(first.from, 4);
    EXPECT_EQ(t.compdie1, 0);
    EXPECT_EQ(t.compdie2, 2);
    const ComputerTick second = computerTick(t);
    EXPECT_EQ(second.action, Action::BearOff);
    EXPECT_EQ(second.from, 2);
    EXPECT_TRUE(second.won);
    EXPECT_EQ(t.compoff, kCheckers);
}

TEST(BackgammonComputer, AnEntryOntoABlotSendsItToTheBar) {
    BackgammonTable t = board({{22, 1}, {1, 14}}, {{kComputerBar, 1}, {6, 14}});
    compDice(t, 3, 5);
    const ComputerTick tick = computerTick(t);
    ASSERT_NE(tick.hit, 0);
    EXPECT_EQ(t.playerpos[tick.hit], kUserBar);
    EXPECT_EQ(t.playertag[tick.hit], kBarDepth);
    EXPECT_EQ(t.row[22], kComputerBlot);
    EXPECT_EQ(t.rownum[22], 1);
    EXPECT_EQ(t.comptag[tick.checker], kTopDepth);
    EXPECT_EQ(t.compdie1, 0);
    EXPECT_EQ(t.compdie2, 5);
}

TEST(BackgammonComputer, ASecondCheckerOnTheBarWaitsWhenItsDieIsBlocked) {
    BackgammonTable t = board({{22, 2}, {1, 13}}, {{kComputerBar, 2}, {6, 13}});
    compDice(t, 3, 5);
    EXPECT_EQ(computerTick(t).to, 20);
    const ComputerTick second = computerTick(t);
    EXPECT_EQ(second.action, Action::None);
    EXPECT_TRUE(second.turnOver);
    EXPECT_EQ(t.compdie1, 3) << "the dice keep their values when the turn ends for lack of a move";
}

TEST(BackgammonComputer, DoublesPlayFourTicks) {
    BackgammonTable t = board({{1, 15}}, {{13, 5}, {6, 10}});
    compDice(t, 4, 4);
    for (int tick = 1; tick <= 4; ++tick) {
        const ComputerTick move = computerTick(t);
        EXPECT_EQ(move.action, Action::Move) << tick;
        EXPECT_EQ(move.from - move.to, 4) << tick;
        EXPECT_EQ(move.turnOver, tick == 4) << tick;
        if (tick == 2) {
            EXPECT_EQ(t.compdie1, 4) << "the second pair comes in after the second tick";
        }
    }
    EXPECT_FALSE(t.compdoubles);
}

TEST(BackgammonComputer, OneDiePlayedAndTheOtherBlockedEndsTheTurnAtOnce) {
    // The 6 runs 13 to 7; the 1 finds every target held by the user.
    BackgammonTable t = board({{12, 2}, {6, 2}, {5, 2}, {1, 9}}, {{13, 1}});
    compDice(t, 6, 1);
    const ComputerTick tick = computerTick(t);
    EXPECT_EQ(tick.from, 13);
    EXPECT_EQ(tick.to, 7);
    EXPECT_TRUE(tick.turnOver);
}

TEST(BackgammonComputer, PlainMovesKeepDepthsCountsAndCodes) {
    BackgammonTable t = board({{1, 15}}, {{13, 3}, {8, 5}, {6, 7}});
    compDice(t, 5, 5);
    const ComputerTick tick = computerTick(t);
    EXPECT_EQ(tick.slot, 5) << "the sixth checker on a point";
    EXPECT_EQ(computerOn(t, 13), 2);
    EXPECT_EQ(t.rownum[8], 6);
    EXPECT_EQ(t.row[8], kComputerPoint);
    std::multiset<int> depths;
    for (int i = 1; i <= kCheckers; ++i)
        if (t.comppos[i] == 13) depths.insert(t.comptag[i]);
    EXPECT_EQ(depths, (std::multiset<int>{1, 2}));
}

TEST(BackgammonComputer, RollsWithoutAnOpeningRule) {
    BackgammonTable t;
    int draws = 0;
    rollComputer(t, [&](int n) {
        EXPECT_EQ(n, 6);
        ++draws;
        return 1;
    });
    EXPECT_EQ(draws, 2);
    EXPECT_TRUE(t.compdoubles);
    EXPECT_EQ(t.compdie3, 1);
    EXPECT_EQ(t.compdie4, 1);
}

}  // namespace
