#include "board_builder.h"

#include "games/backgammon/backgammon_user.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

using namespace bgrules;
using bgtest::board;
using bgtest::checkerOn;
using bgtest::marked;
using bgtest::dice;

namespace {

Draw scripted(std::deque<int>& values) {
    return [&values](int n) {
        EXPECT_EQ(n, 6);
        const int v = values.front();
        values.pop_front();
        return v;
    };
}

TEST(BackgammonRoll, FirstRollOfAGameIsThrownAgainWhileBothDiceShowOne) {
    BackgammonTable t;
    t.compdie1 = t.compdie2 = t.compdie3 = t.compdie4 = 4;
    std::deque<int> values{1, 1, 1, 1, 3, 5};
    rollUser(t, scripted(values));
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(t.playerdie1, 3);
    EXPECT_EQ(t.playerdie2, 5);
    EXPECT_EQ(t.movesleft, 2);
    EXPECT_FALSE(t.playerdoubles);
    EXPECT_EQ(t.firstrolldone, 1);
    EXPECT_EQ(t.compdie1 + t.compdie2 + t.compdie3 + t.compdie4, 0) << "the computer's last dice are cleared";

    values = {1, 1};
    rollUser(t, scripted(values));
    EXPECT_EQ(t.playerdie1, 1) << "a later roll of 1 and 1 is played";
    EXPECT_TRUE(t.playerdoubles);
    EXPECT_EQ(t.movesleft, 4);
}

TEST(BackgammonRoll, DoublesGiveFourMoves) {
    BackgammonTable t;
    std::deque<int> values{2, 2};
    rollUser(t, scripted(values));
    EXPECT_TRUE(t.playerdoubles) << "a first roll of 2 and 2 is kept";
    EXPECT_EQ(t.playerdie3, 2);
    EXPECT_EQ(t.playerdie4, 2);
    EXPECT_EQ(t.doublesvalue, 2);
    EXPECT_EQ(t.movesleft, 4);
    values = {4, 6};
    rollUser(t, scripted(values));
    EXPECT_FALSE(t.playerdoubles);
    EXPECT_EQ(t.playerdie3 + t.playerdie4 + t.doublesvalue, 0);
}

struct TargetCase {
    std::string name;
    BackgammonTable table;
    int d1, d2, from;
    std::set<int> expected;
};

TEST(BackgammonTargets, MarkersFollowTheMoveRule) {
    const std::vector<TargetCase> cases{
        {"6-3 from 1, 7 closed", board({{1, 2}}, {{7, 2}}), 6, 3, 1, {4, 10}},
        {"6-3 from 1, 7 and 4 closed", board({{1, 2}}, {{7, 2}, {4, 2}}), 6, 3, 1, {}},
        {"6-3 from 1 onto a blot", board({{1, 2}}, {{7, 1}}), 6, 3, 1, {4, 7, 10}},
        {"2-2 from 1", board({{1, 2}}), 2, 2, 1, {3, 5, 7, 9}},
        {"2-2 from 1, 5 closed", board({{1, 2}}, {{5, 2}}), 2, 2, 1, {3}},
        {"2-2 from 1, 7 closed", board({{1, 2}}, {{7, 2}}), 2, 2, 1, {3, 5}},
        {"2-2 from 1, 3 closed", board({{1, 2}}, {{3, 2}}), 2, 2, 1, {}},
        {"bar first: the bar checker enters", board({{kUserBar, 1}, {12, 5}}), 4, 2, kUserBar, {2, 4, 6}},
        {"bar first: a checker on a point waits", board({{kUserBar, 1}, {12, 5}}), 4, 2, 12, {}},
        {"nothing past 24 before all are home", board({{22, 2}, {10, 1}}), 6, 5, 22, {}},
        {"exact die bears off", board({{22, 2}, {20, 1}}), 3, 5, 22, {kTray}},
        {"exact die, the other die moves", board({{22, 2}, {19, 1}}), 3, 1, 22, {23, kTray}},
        {"large dice: no other home checker", board({{21, 2}, {23, 1}}), 6, 5, 23, {}},
        {"large dice: the rearmost", board({{21, 2}, {23, 1}}), 6, 5, 21, {kTray}},
        {"a small die keeps the others on", board({{21, 2}, {23, 1}}), 6, 1, 23, {24}},
        {"both dice exactly", board({{19, 1}, {20, 2}}), 4, 2, 19, {21, 23, kTray}},
        {"6-6 at the rearmost", board({{20, 2}, {22, 1}}), 6, 6, 20, {kTray}},
        {"6-6 at another checker", board({{20, 2}, {22, 1}}), 6, 6, 22, {}},
        {"3-3 from 19 takes two moves to the tray", board({{19, 1}, {20, 2}}), 3, 3, 19, {22}},
        {"3-3 from 22 is exact", board({{19, 1}, {22, 2}}), 3, 3, 22, {kTray}},
        {"the tray waits for a checker on the bar", board({{kUserBar, 1}, {22, 14}}), 3, 5, 22, {}},
        {"the bar checker cannot reach the tray", board({{kUserBar, 1}, {22, 14}}), 3, 5, kUserBar, {3, 5, 8}},
        {"a borne-off checker goes nowhere", board({{22, 2}}), 3, 5, kUserOff, {}},
    };
    for (const auto& c : cases) {
        BackgammonTable t = c.table;
        dice(t, c.d1, c.d2);
        const int checker = c.from == kUserOff ? kCheckers : checkerOn(t, c.from);
        ASSERT_NE(checker, 0) << c.name;
        EXPECT_EQ(marked(targets(t, checker)), c.expected) << c.name;
    }
}

TEST(BackgammonTargets, UsedDiceLeaveTheirTail) {
    BackgammonTable t = board({{1, 3}});
    dice(t, 2, 2);
    t.playerdie1 = 0;
    EXPECT_EQ(marked(targets(t, checkerOn(t, 1))), (std::set<int>{3, 5, 7}));
    t.playerdie2 = t.playerdie3 = 0;
    EXPECT_EQ(marked(targets(t, checkerOn(t, 1))), (std::set<int>{3}));
    BackgammonTable single = board({{1, 3}});
    dice(single, 6, 3);
    single.playerdie1 = 0;
    EXPECT_EQ(marked(targets(single, checkerOn(single, 1))), (std::set<int>{4}));
}

struct MoveCase {
    std::string name;
    int d1, d2, from, to;
    std::array<int, 4> diceLeft;
    int movesleft;
};

TEST(BackgammonMove, DiceAndMovesSpent) {
    const std::vector<MoveCase> cases{
        {"one die", 6, 3, 1, 7, {0, 3, 0, 0}, 1},
        {"the other die", 6, 3, 1, 4, {6, 0, 0, 0}, 1},
        {"both dice in one move", 6, 3, 1, 10, {0, 0, 0, 0}, 1},
        {"one move of a double", 2, 2, 1, 3, {0, 2, 2, 2}, 3},
        {"two moves of a double", 2, 2, 1, 5, {0, 0, 2, 2}, 2},
        {"three moves of a double", 2, 2, 1, 7, {0, 0, 0, 2}, 1},
        {"four moves of a double", 2, 2, 1, 9, {0, 0, 0, 0}, 0},
        {"a bar entry", 4, 2, kUserBar, 2, {4, 0, 0, 0}, 1},
        {"a bar entry with both dice", 4, 2, kUserBar, 6, {0, 0, 0, 0}, 1},
    };
    for (const auto& c : cases) {
        BackgammonTable t = board({{c.from, 2}, {18, 2}});
        dice(t, c.d1, c.d2);
        const int checker = checkerOn(t, c.from);
        ASSERT_TRUE(targets(t, checker).test(std::size_t(c.to))) << c.name;
        moveUser(t, checker, c.to);
        EXPECT_EQ((std::array<int, 4>{t.playerdie1, t.playerdie2, t.playerdie3, t.playerdie4}), c.diceLeft) << c.name;
        EXPECT_EQ(t.movesleft, c.movesleft) << c.name;
        EXPECT_EQ(t.playerpos[checker], c.to) << c.name;
    }
}

TEST(BackgammonMove, DoublesEnterFromTheBarOneMoveEach) {
    BackgammonTable t = board({{kUserBar, 3}, {19, 12}}, {{6, 2}});
    dice(t, 3, 3);
    const int entries[] = {3, 3, 3};
    int moves = 4;
    for (int target : entries) {
        const int checker = checkerOn(t, kUserBar);
        ASSERT_TRUE(targets(t, checker).test(std::size_t(target)));
        moveUser(t, checker, target);
        EXPECT_EQ(t.movesleft, --moves);
        EXPECT_EQ(t.playertag[checker], kTopDepth);
    }
    EXPECT_FALSE(useronbar(t));
    EXPECT_EQ(t.rownum[3], 3);
    EXPECT_EQ(t.row[3], kUserPoint);
    EXPECT_FALSE(turnOver(t)) << "the fourth 3 is still to play";
}

TEST(BackgammonMove, EnteringLeavesTheOthersOnTheBar) {
    BackgammonTable t = board({{kUserBar, 2}, {12, 13}});
    dice(t, 5, 1);
    const int entered = checkerOn(t, kUserBar);
    moveUser(t, entered, 5);
    EXPECT_EQ(t.playertag[entered], kTopDepth);
    const int waiting = checkerOn(t, kUserBar);
    ASSERT_NE(waiting, 0);
    EXPECT_EQ(t.playertag[waiting], kBarDepth);
    EXPECT_EQ(t.rownum[kUserBar], 0) << "the bar is no point";
}

TEST(BackgammonMove, HitSendsTheBlotToTheBar) {
    BackgammonTable t = board({{1, 2}, {12, 13}}, {{7, 1}, {13, 14}});
    dice(t, 6, 3);
    const int checker = checkerOn(t, 1);
    const UserMove move = moveUser(t, checker, 7);
    ASSERT_NE(move.hit, 0);
    EXPECT_EQ(t.comppos[move.hit], kComputerBar);
    EXPECT_EQ(t.comptag[move.hit], kBarDepth);
    EXPECT_EQ(move.slot, 0) << "the hitter takes the point's first place";
    EXPECT_EQ(t.row[7], kUserBlot);
    EXPECT_EQ(t.rownum[7], 1);
    EXPECT_EQ(t.row[1], kUserBlot);
    EXPECT_EQ(t.rownum[1], 1);
}

TEST(BackgammonMove, DepthsOfTheStacksLeftAndJoined) {
    BackgammonTable t = board({{17, 3}, {19, 5}, {12, 7}});
    dice(t, 2, 4);
    const int moved = checkerOn(t, 17);
    const UserMove move = moveUser(t, moved, 19);
    EXPECT_EQ(move.slot, 5) << "a sixth checker lies in the sixth place";
    std::multiset<int> left, joined;
    for (int i = 1; i <= kCheckers; ++i) {
        if (t.playerpos[i] == 17) left.insert(t.playertag[i]);
        if (t.playerpos[i] == 19) joined.insert(t.playertag[i]);
    }
    EXPECT_EQ(left, (std::multiset<int>{1, 2}));
    EXPECT_EQ(joined, (std::multiset<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(t.playertag[moved], kTopDepth);
}

TEST(BackgammonMove, RezRepairsStaleCodes) {
    BackgammonTable t = board({{1, 15}}, {{6, 1}, {8, 2}});
    t.row[6] = kComputerPoint;
    t.row[9] = kUserBlot;
    rez(t);
    EXPECT_EQ(t.row[6], kComputerBlot);
    EXPECT_EQ(t.row[8], kComputerPoint);
    EXPECT_EQ(t.row[9], kEmpty);
    EXPECT_EQ(t.row[1], kUserPoint);
}

struct TurnCase {
    std::string name;
    BackgammonTable table;
    std::array<int, 4> dice;
    int movesleft;
    bool over;
};

TEST(BackgammonTurn, PassesWhenNothingIsLeftToPlay) {
    const std::vector<TurnCase> cases{
        {"dice to play", board({{1, 15}}), {5, 3, 0, 0}, 2, false},
        {"dice used up", board({{1, 15}}), {0, 0, 0, 0}, 1, true},
        {"moves used up", board({{1, 15}}), {2, 0, 0, 0}, 0, true},
        {"one die used, the other blocked everywhere", board({{1, 2}, {12, 13}}, {{4, 2}, {15, 2}}), {0, 3, 0, 0}, 1, true},
        {"one die used, the other still playable", board({{1, 2}, {12, 13}}, {{4, 2}}), {0, 3, 0, 0}, 1, false},
        {"all on 20 with 6-1, 21 closed", board({{20, 15}}, {{21, 2}}), {6, 1, 0, 0}, 2, true},
        {"all on 20 with 6-1, 21 open", board({{20, 15}}), {6, 1, 0, 0}, 2, false},
        {"no entry from the bar", board({{kUserBar, 1}, {12, 14}}, {{3, 2}, {5, 2}}), {3, 5, 0, 0}, 2, true},
        {"one entry point open", board({{kUserBar, 1}, {12, 14}}, {{3, 2}}), {3, 5, 0, 0}, 2, false},
        {"doubles: a third checker on the bar still enters",
         board({{kUserBar, 1}, {2, 2}, {12, 12}}, {{6, 2}}), {0, 0, 2, 2}, 2, false},
        {"both stops of a sum closed",
         board({{12, 15}}, {{17, 2}, {15, 2}}), {5, 3, 0, 0}, 2, true},
    };
    for (const auto& c : cases) {
        BackgammonTable t = c.table;
        bgtest::diceLeft(t, c.dice, c.movesleft);
        EXPECT_EQ(turnOver(t), c.over) << c.name;
    }
}

}  // namespace
