#include "board_builder.h"

#include "games/backgammon/backgammon_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace bgrules;

namespace {

TEST(BackgammonTable, NewGameSetsTheOpeningPosition) {
    BackgammonTable t = bgtest::board({{22, 15}}, {{3, 15}});
    t.cubevalue = 8;
    t.compownscube = 1;
    t.compoffered = 1;
    t.playerdie1 = 4;
    t.movesleft = 1;
    t.firstrolldone = 1;
    t.playerscore = 7;
    newGame(t);

    const std::map<int, std::pair<int, int>> points{{1, {3, 2}},  {6, {2, 5}},  {8, {2, 3}},  {12, {3, 5}},
                                                    {13, {2, 5}}, {17, {3, 3}}, {19, {3, 5}}, {24, {2, 2}}};
    for (int p = 1; p <= 24; ++p) {
        const auto it = points.find(p);
        EXPECT_EQ(t.row[p], it == points.end() ? 0 : it->second.first) << p;
        EXPECT_EQ(t.rownum[p], it == points.end() ? 0 : it->second.second) << p;
    }
    const int user[] = {1, 1, 12, 12, 12, 12, 12, 17, 17, 17, 19, 19, 19, 19, 19};
    const int computer[] = {24, 24, 13, 13, 13, 13, 13, 8, 8, 8, 6, 6, 6, 6, 6};
    const int depths[] = {2, 1, 5, 4, 3, 2, 1, 3, 2, 1, 5, 4, 3, 2, 1};
    for (int i = 1; i <= kCheckers; ++i) {
        EXPECT_EQ(t.playerpos[i], user[i - 1]) << i;
        EXPECT_EQ(t.comppos[i], computer[i - 1]) << i;
        EXPECT_EQ(t.playertag[i], depths[i - 1]) << i;
        EXPECT_EQ(t.comptag[i], depths[i - 1]) << i;
    }
    EXPECT_EQ(t.cubevalue, 1);
    EXPECT_EQ(t.compownscube, 0);
    EXPECT_EQ(t.compoffered, 0);
    EXPECT_EQ(t.playerdie1, 0);
    EXPECT_EQ(t.movesleft, 0);
    EXPECT_EQ(t.firstrolldone, 0);
    EXPECT_EQ(t.playeroff, 0);
    EXPECT_EQ(t.compoff, 0);
    EXPECT_EQ(t.playerscore, 7) << "a new game keeps the match";
}

TEST(BackgammonTable, FirstRollerFollowsTheHolder) {
    const struct {
        const char* holder;
        int draw, expected;
    } cases[] = {{"P", 2, 1}, {"C", 1, 2}, {"R", 1, 1}, {"R", 2, 2}, {"r", 2, 1}, {"", 2, 1}, {"C ", 2, 1}};
    for (const auto& c : cases) {
        int draws = 0;
        const int first = firstRoller(c.holder, [&](int n) {
            EXPECT_EQ(n, 2);
            ++draws;
            return c.draw;
        });
        EXPECT_EQ(first, c.expected) << '"' << c.holder << '"';
        EXPECT_EQ(draws, std::string(c.holder) == "R" ? 1 : 0) << '"' << c.holder << '"';
    }
}

TEST(BackgammonTable, PipCountsCountTheBarAsTwentyFiveAndBorneOffAsNothing) {
    BackgammonTable t = bgtest::board({{kUserBar, 1}, {20, 2}, {24, 1}}, {{kComputerBar, 2}, {3, 1}});
    EXPECT_EQ(userpips(t), 25 + 2 * 5 + 1);
    EXPECT_EQ(computerpips(t), 2 * 25 + 3);
    newGame(t);
    EXPECT_EQ(userpips(t), 167);
    EXPECT_EQ(computerpips(t), 167);
}

TEST(BackgammonTable, OwnerCodesFollowTheCount) {
    EXPECT_EQ(usercode(0), kEmpty);
    EXPECT_EQ(usercode(1), kUserBlot);
    EXPECT_EQ(usercode(5), kUserPoint);
    EXPECT_EQ(computercode(0), kEmpty);
    EXPECT_EQ(computercode(1), kComputerBlot);
    EXPECT_EQ(computercode(2), kComputerPoint);
}

}  // namespace
