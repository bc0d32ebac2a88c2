#include "board_builder.h"

#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_user.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bgrules;
using bgtest::board;
using bgtest::checkerOn;
using bgtest::dice;
using bgtest::marked;

namespace {

struct EndCase {
    std::string name;
    BackgammonTable table;
    Side winner;
    int multiplier;
};

TEST(BackgammonScoring, SingleGammonAndBackgammonForBothSides) {
    const std::vector<EndCase> cases{
        {"the computer bore one off", board({}, {{3, 14}}), Side::User, 1},
        {"the computer all home", board({}, {{3, 15}}), Side::User, 2},
        {"a computer checker on 9", board({}, {{3, 14}, {9, 1}}), Side::User, 3},
        {"a computer checker on the bar", board({}, {{3, 14}, {kComputerBar, 1}}), Side::User, 3},
        {"the user bore one off", board({{22, 14}}), Side::Computer, 1},
        {"the user all home", board({{22, 15}}), Side::Computer, 2},
        {"a user's checker on 18", board({{22, 14}, {18, 1}}), Side::Computer, 3},
        {"a user's checker on the bar", board({{22, 14}, {kUserBar, 1}}), Side::Computer, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(multiplier(c.table, c.winner), c.multiplier) << c.name;
        BackgammonTable t = c.table;
        t.cubevalue = 4;
        t.playerscore = 3;
        t.compscore = 5;
        scoreGame(t, c.winner, t.cubevalue * multiplier(t, c.winner));
        const bool user = c.winner == Side::User;
        EXPECT_EQ(t.playerscore, user ? 3 + 4 * c.multiplier : 3) << c.name;
        EXPECT_EQ(t.compscore, user ? 5 : 5 + 4 * c.multiplier) << c.name;
        EXPECT_EQ(t.playerwins, user ? 1 : 0) << c.name;
        EXPECT_EQ(t.compwins, user ? 0 : 1) << c.name;
    }
}

TEST(BackgammonScoring, TheComputerAnswersTheUsersDoubleByThePips) {
    const struct {
        bool allhome;
        int user, computer;
        bool refuses;
    } cases[] = {{false, 100, 126, true}, {false, 100, 125, false}, {true, 40, 46, true},
                 {true, 40, 45, false},   {false, 40, 46, false},   {true, 40, 66, true}};
    for (const auto& c : cases) {
        BackgammonTable t = c.allhome ? board({{20, 15}}) : board({{18, 1}, {20, 14}});
        t.playerpips = c.user;
        t.comppips = c.computer;
        EXPECT_EQ(computerRefuses(t), c.refuses) << c.user << " against " << c.computer << (c.allhome ? ", all home" : "");
    }
}

TEST(BackgammonScoring, TheComputerOffersWhenItLeadsByMoreThanTwentyFive) {
    BackgammonTable t;
    t.comppips = 100;
    t.playerpips = 126;
    EXPECT_TRUE(computerOffers(t, true));
    EXPECT_FALSE(computerOffers(t, false)) << "not while the cube is out of use";
    t.compoffered = 1;
    EXPECT_FALSE(computerOffers(t, true)) << "once between two doubles of the user";
    t.compoffered = 0;
    t.comppips = 101;
    EXPECT_FALSE(computerOffers(t, true));
}

TEST(BackgammonScoring, TheStakeDoublesWithoutALimit) {
    BackgammonTable t;
    for (int k = 0; k < 40; ++k) doubleStake(t);
    EXPECT_EQ(t.cubevalue, std::int64_t{1} << 40);
}

TEST(BackgammonScoring, MatchLengthAndVerdict) {
    const std::pair<const char*, int> lengths[] = {{"3", 3}, {"9", 9}, {"12", 12}, {"", 0},    {"0", 0},
                                                   {"-3", 0}, {"3.5", 0}, {"x", 0},  {" 3", 0}, {"3a", 0}};
    for (const auto& [text, length] : lengths) EXPECT_EQ(matchLength(text), length) << '"' << text << '"';
    EXPECT_TRUE(userWinsMatch(4, 2));
    EXPECT_FALSE(userWinsMatch(9, 10));
    EXPECT_TRUE(userWinsMatch(7, 7)) << "a tie goes to the user";
}

struct BearOffCase {
    std::string name;
    BackgammonTable table;
    std::array<int, 4> diceBefore;
    int movesBefore;
    int from;
    std::array<int, 4> diceAfter;
    int movesAfter;
};

TEST(BackgammonBearOff, EveryBearOffSpendsADie) {
    const std::vector<BearOffCase> cases{
        {"an exact die", board({{22, 2}, {20, 1}}), {3, 5, 0, 0}, 2, 22, {0, 5, 0, 0}, 1},
        {"both dice larger: the larger", board({{23, 1}, {24, 1}}), {5, 3, 0, 0}, 2, 23, {0, 3, 0, 0}, 1},
        {"both dice larger: the second when larger", board({{23, 1}, {24, 1}}), {3, 5, 0, 0}, 2, 23, {3, 0, 0, 0}, 1},
        {"a die equal to the distance", board({{21, 2}, {23, 1}}), {4, 6, 0, 0}, 2, 21, {0, 6, 0, 0}, 1},
        {"the last die larger", board({{22, 1}, {24, 1}}), {6, 0, 0, 0}, 1, 22, {0, 0, 0, 0}, 0},
        {"both dice exactly", board({{19, 1}, {20, 2}}), {4, 2, 0, 0}, 2, 19, {0, 0, 0, 0}, 1},
        {"6-6 after two moves, rearmost on 22", board({{22, 2}, {23, 2}}), {0, 0, 6, 6}, 2, 22, {0, 0, 0, 6}, 1},
        {"a last 6 of a double", board({{23, 2}, {24, 1}}), {0, 0, 0, 6}, 1, 23, {0, 0, 0, 0}, 0},
        {"2-2, one move off", board({{21, 1}, {23, 2}}), {2, 2, 2, 2}, 4, 23, {2, 0, 2, 2}, 3},
        {"2-2, the last pair moves up", board({{21, 1}, {23, 2}}), {0, 2, 2, 2}, 3, 23, {2, 2, 0, 0}, 2},
    };
    for (const auto& c : cases) {
        BackgammonTable t = c.table;
        bgtest::diceLeft(t, c.diceBefore, c.movesBefore);
        const int checker = checkerOn(t, c.from);
        ASSERT_TRUE(targets(t, checker).test(kTray)) << c.name;
        const int offBefore = t.playeroff;
        EXPECT_EQ(bearOff(t, checker), c.from) << c.name;
        EXPECT_EQ((std::array<int, 4>{t.playerdie1, t.playerdie2, t.playerdie3, t.playerdie4}), c.diceAfter) << c.name;
        EXPECT_EQ(t.movesleft, c.movesAfter) << c.name;
        EXPECT_EQ(t.playeroff, offBefore + 1) << c.name;
        EXPECT_EQ(t.playerpos[checker], kUserOff) << c.name;
        EXPECT_FALSE(targets(t, checker).any()) << c.name << ": a borne-off checker goes nowhere";
    }
}

struct RearmostCase {
    std::string name;
    BackgammonTable table;
    std::array<int, 4> diceBefore;
    int movesBefore;
    int from;
    bool off;  // the tray takes the checker; when it does not, nothing may be borne off from there
    std::array<int, 4> diceAfter;
    int movesAfter;
};

// A die larger than a checker needs bears off only a checker on the rearmost point, and with every
// die larger than that, the largest is spent.
TEST(BackgammonBearOff, ALargerDieBearsOffOnlyFromTheRearmostPoint) {
    const std::vector<RearmostCase> cases{
        {"5-2, three on 23 and six on 24: not from 24", board({{23, 3}, {24, 6}}), {5, 2, 0, 0}, 2, 24, false, {}, 0},
        {"5-2: the 2 exactly from 23", board({{23, 3}, {24, 6}}), {5, 2, 0, 0}, 2, 23, true, {5, 0, 0, 0}, 1},
        {"the 5 left: not from 24", board({{23, 2}, {24, 6}}), {5, 0, 0, 0}, 1, 24, false, {}, 0},
        {"the 5 left: from 23", board({{23, 2}, {24, 6}}), {5, 0, 0, 0}, 1, 23, true, {0, 0, 0, 0}, 0},
        {"6-5, rearmost on 21: not from 23", board({{21, 2}, {23, 1}}), {6, 5, 0, 0}, 2, 23, false, {}, 0},
        {"6-5, rearmost on 21: the 6", board({{21, 2}, {23, 1}}), {6, 5, 0, 0}, 2, 21, true, {0, 5, 0, 0}, 1},
        {"5-6, rearmost on 21: the 6", board({{21, 2}, {23, 1}}), {5, 6, 0, 0}, 2, 21, true, {5, 0, 0, 0}, 1},
        {"4-6, rearmost on 21: not from 23", board({{21, 2}, {23, 1}}), {4, 6, 0, 0}, 2, 23, false, {}, 0},
        {"6-1: the exact 1 from 24", board({{20, 1}, {24, 1}}), {6, 1, 0, 0}, 2, 24, true, {6, 0, 0, 0}, 1},
        {"6-6, rearmost on 20: not from 22", board({{20, 2}, {22, 1}}), {6, 6, 6, 6}, 4, 22, false, {}, 0},
        {"6-6, rearmost on 20", board({{20, 2}, {22, 1}}), {6, 6, 6, 6}, 4, 20, true, {0, 6, 6, 6}, 3},
        {"4-4, three on 23 and six on 24: not from 24", board({{23, 3}, {24, 6}}), {4, 4, 4, 4}, 4, 24, false, {}, 0},
        {"4-4, three on 23 and six on 24: from 23", board({{23, 3}, {24, 6}}), {4, 4, 4, 4}, 4, 23, true,
         {0, 4, 4, 4}, 3},
        {"the last 3 of a double, rearmost on 23: not from 24", board({{23, 1}, {24, 2}}), {0, 0, 0, 3}, 1, 24,
         false, {}, 0},
    };
    for (const auto& c : cases) {
        BackgammonTable t = c.table;
        bgtest::diceLeft(t, c.diceBefore, c.movesBefore);
        const int checker = checkerOn(t, c.from);
        ASSERT_NE(checker, 0) << c.name;
        EXPECT_EQ(targets(t, checker).test(kTray), c.off) << c.name;
        if (!c.off) {
            EXPECT_TRUE(marked(targets(t, checker)).empty()) << c.name << ": nowhere else to go either";
            continue;
        }
        bearOff(t, checker);
        EXPECT_EQ((std::array<int, 4>{t.playerdie1, t.playerdie2, t.playerdie3, t.playerdie4}), c.diceAfter) << c.name;
        EXPECT_EQ(t.movesleft, c.movesAfter) << c.name;
    }
}

TEST(BackgammonBearOff, TheStackLeftBehindMovesUp) {
    BackgammonTable t = board({{22, 3}, {24, 1}});
    dice(t, 3, 1);
    bearOff(t, checkerOn(t, 22));
    EXPECT_EQ(t.rownum[22], 2);
    EXPECT_EQ(t.row[22], kUserPoint);
    std::multiset<int> depths;
    for (int i = 1; i <= kCheckers; ++i)
        if (t.playerpos[i] == 22) depths.insert(t.playertag[i]);
    EXPECT_EQ(depths, (std::multiset<int>{1, 2}));
    bearOff(t, checkerOn(t, 24));
    EXPECT_EQ(t.row[24], kEmpty);
    EXPECT_TRUE(turnOver(t));
}

TEST(BackgammonBearOff, NoTrayForAMoveThatCannotSpendADie) {
    BackgammonTable sixTwo = board({{22, 1}, {24, 1}});
    dice(sixTwo, 6, 2);
    EXPECT_FALSE(targets(sixTwo, checkerOn(sixTwo, 24)).test(kTray));
    BackgammonTable twoTwo = board({{22, 2}, {23, 1}});
    dice(twoTwo, 2, 2);
    EXPECT_FALSE(targets(twoTwo, checkerOn(twoTwo, 22)).test(kTray));
}

}  // namespace
