#include "board_builder.h"

#include "games/backgammon/backgammon_turns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bgrules;
using bgtest::board;

namespace {

TEST(BackgammonTurns, TheFirstRollSettingChoosesWhoOpens) {
    const struct {
        const char* firstroll;
        int draw;
        Side opener;
        int draws;
    } cases[] = {{"P", 2, Side::User, 0},     {"C", 1, Side::Computer, 0}, {"R", 1, Side::User, 1},
                 {"R", 2, Side::Computer, 1}, {"", 2, Side::User, 0},      {"c", 2, Side::User, 0},
                 {"C\r\n", 2, Side::User, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.firstroll + "\"");
        BackgammonTable t = board({{22, 15}}, {{3, 15}});
        t.firstroll = c.firstroll;
        t.cubevalue = 4;
        t.playerscore = 6;
        t.compwins = 2;
        int draws = 0;
        EXPECT_EQ(openGame(t, [&](int n) { return ++draws, std::min(c.draw, n); }), c.opener);
        EXPECT_EQ(draws, c.draws);
        EXPECT_EQ(t.playerpos[1], 1) << "the opening position";
        EXPECT_EQ(t.cubevalue, 1);
        EXPECT_EQ(t.playerscore, 6) << "the match is kept";
        EXPECT_EQ(t.compwins, 2);
        EXPECT_EQ(t.firstroll, c.firstroll);
    }
}

TEST(BackgammonTurns, TheHandOverEndsTheUsersDoublesAndAsksWhetherTheComputerDoubles) {
    const struct {
        std::string name;
        BackgammonTable table;
        bool cube;
        int offered;
        bool offers;
    } cases[] = {
        {"the computer far ahead", board({{1, 15}}, {{3, 15}}), true, 0, true},
        {"the cube not in use", board({{1, 15}}, {{3, 15}}), false, 0, false},
        {"offered already", board({{1, 15}}, {{3, 15}}), true, 1, false},
        {"ahead by 25 only", board({{20, 15}}, {{5, 10}}), true, 0, false},
        {"ahead by 26", board({{20, 15}}, {{5, 9}, {4, 1}}), true, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackgammonTable t = c.table;
        bgtest::dice(t, 3, 3);
        t.compoffered = c.offered;
        EXPECT_EQ(computerTurnStarts(t, c.cube), c.offers);
        EXPECT_FALSE(t.playerdoubles);
        EXPECT_EQ(t.playerpips, userpips(t));
        EXPECT_EQ(t.comppips, computerpips(t));
        EXPECT_EQ(t.cubevalue, 1) << "an offer doubles nothing until it is answered";
    }
}

TEST(BackgammonTurns, AnswersToTheComputersDouble) {
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "accepted" : "refused");
        BackgammonTable t;
        t.cubevalue = 2;
        t.compownscube = 1;
        answerOffer(t, accepted);
        EXPECT_EQ(t.compoffered, 1);
        EXPECT_EQ(t.cubevalue, accepted ? 4 : 2);
        EXPECT_EQ(t.compownscube, accepted ? 0 : 1);
    }
}

TEST(BackgammonTurns, TheUsersDoubleIsTakenOrRefusedByThePips) {
    const struct {
        std::string name;
        BackgammonTable table;
        bool accepted;
    } cases[] = {
        {"the user far ahead", board({{20, 15}}, {{20, 15}}), false},
        {"level", board({{12, 15}}, {{13, 15}}), true},
        {"the computer ahead", board({{1, 15}}, {{3, 15}}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackgammonTable t = c.table;
        t.cubevalue = 2;
        t.compoffered = 1;
        EXPECT_EQ(userDoubles(t), c.accepted);
        EXPECT_EQ(t.playerpips, userpips(t));
        EXPECT_EQ(t.comppips, computerpips(t));
        EXPECT_EQ(t.compoffered, 0) << "the computer may offer again";
        EXPECT_EQ(t.cubevalue, c.accepted ? 4 : 2);
        EXPECT_EQ(t.compownscube, c.accepted ? 1 : 0);
    }
}

TEST(BackgammonTurns, AGamesEndScoresTheWinnerWhoRollsFirstNext) {
    const struct {
        std::string name;
        BackgammonTable table;
        Side winner;
        bool borneOff;
        std::int64_t points;
    } cases[] = {
        {"the user bears off, a gammon", board({}, {{3, 15}}), Side::User, true, 8},
        {"the user bears off, a backgammon", board({}, {{3, 14}, {kComputerBar, 1}}), Side::User, true, 12},
        {"the computer refuses the double", board({{20, 15}}, {{3, 15}}), Side::User, false, 4},
        {"the computer bears off, a single game", board({{22, 14}}, {}), Side::Computer, true, 4},
        {"the user refuses the double", board({{1, 15}}, {{3, 15}}), Side::Computer, false, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BackgammonTable t = c.table;
        t.cubevalue = 4;
        t.firstroll = "R";
        t.playerscore = 1;
        t.compscore = 2;
        EXPECT_EQ(winGame(t, c.winner, c.borneOff), c.points);
        const bool user = c.winner == Side::User;
        EXPECT_EQ(t.firstroll, user ? "P" : "C");
        EXPECT_EQ(t.playerscore, user ? 1 + c.points : 1);
        EXPECT_EQ(t.compscore, user ? 2 : 2 + c.points);
        EXPECT_EQ(t.playerwins + t.compwins, 1);
    }
}

}  // namespace
