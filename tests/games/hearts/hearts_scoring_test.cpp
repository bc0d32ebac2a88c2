#include <gtest/gtest.h>

#include "games/hearts/hearts_scoring.h"
#include "table_builder.h"

using namespace heartsrules;
using heartstest::slotOf;

namespace {

// A trick: the leader's card first, then the others in playing order.
HeartsTable trick(int leader, const std::array<const char*, 4>& bySeat) {
    HeartsTable t = heartstest::table({bySeat[0], bySeat[1], bySeat[2], bySeat[3]});
    t.leader = leader;
    for (int seat = 1; seat <= 4; ++seat) heartstest::play(t, seat, bySeat[seat - 1]);
    return t;
}

}  // namespace

TEST(HeartsJudge, HighestCardOfTheLedSuitWins) {
    const struct { const char* name; int leader; std::array<const char*, 4> cards; int winner; } cases[] = {
        {"ace beats king", 1, {"5C", "9C", "AC", "KC"}, 3},
        {"king beats the rest", 2, {"5C", "9C", "2C", "KC"}, 4},
        {"the ace of hearts loses to a club lead", 4, {"AH", "3D", "4S", "2C"}, 4},
        {"the leader's low card wins alone", 2, {"AS", "3D", "KH", "QH"}, 2},
        {"seat one wins when highest", 1, {"TD", "9D", "2D", "AC"}, 1},
    };
    for (const auto& c : cases) {
        HeartsTable t = trick(c.leader, c.cards);
        const auto values = t.trickvalue;
        EXPECT_EQ(judgeTrick(t), c.winner) << c.name;
        EXPECT_EQ(t.winner, c.winner) << c.name;
        EXPECT_EQ(t.trickrank, values) << c.name;
        for (int seat = 1; seat <= 4; ++seat) {
            const bool led = t.tricksuit[seat] == t.tricksuit[c.leader];
            EXPECT_EQ(t.trickvalue[seat], values[seat] + (led ? 130 : 0)) << c.name;
        }
    }
}

TEST(HeartsScore, TrickPointsGoToTheWinner) {
    const struct { const char* name; std::array<const char*, 4> cards; bool jackRule; int points, pointcards; } cases[] = {
        {"queen and two hearts", {"KS", "QS", "5H", "9H"}, true, 15, 3},
        {"no point cards", {"KS", "2S", "5D", "9C"}, true, 0, 0},
        {"jack of diamonds under the rule", {"KD", "JD", "5D", "9D"}, true, -10, 1},
        {"jack of diamonds without the rule", {"KD", "JD", "5D", "9D"}, false, 0, 0},
        {"two hearts and the jack", {"AD", "JD", "5H", "9H"}, true, -8, 3},
    };
    for (const auto& c : cases) {
        HeartsTable t = trick(1, c.cards);
        t.tricksleft = 5;
        t.gamescore = {0, 7, 7, 7, 7};
        t.pointcards = {0, 1, 1, 1, 1};
        judgeTrick(t);
        ASSERT_EQ(t.winner, 1) << c.name;
        const auto slots = t.trickslot;
        EXPECT_FALSE(scoreTrick(t, c.jackRule)) << c.name;
        EXPECT_EQ(t.gamescore, (std::array<int, 5>{0, 7 + c.points, 7, 7, 7})) << c.name;
        EXPECT_EQ(t.pointcards, (std::array<int, 5>{0, 1 + c.pointcards, 1, 1, 1})) << c.name;
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(t.tag[slots[seat]], 11) << c.name;
        EXPECT_EQ(t.trickslot, (std::array<int, 5>{})) << c.name;
        EXPECT_EQ(t.trickvalue, (std::array<int, 5>{})) << c.name;
        EXPECT_EQ(t.tricksuit, (std::array<MaybeSuit, 5>{})) << c.name;
        EXPECT_EQ(t.leader, 1) << c.name;
        EXPECT_EQ(t.turn, 1) << c.name;
        EXPECT_EQ(t.tricksleft, 4) << c.name;
    }
}

TEST(HeartsScore, TheThirteenthTrickEndsTheHand) {
    HeartsTable t = trick(2, {"5C", "9C", "AC", "KC"});
    t.tricksleft = 1;
    judgeTrick(t);
    EXPECT_TRUE(scoreTrick(t, true));
    EXPECT_EQ(t.tricksleft, 0);
    EXPECT_FALSE(t.handplaying);
    EXPECT_EQ(t.turn, 3);
}

TEST(HeartsScore, ShootingTheMoon) {
    const struct { const char* name; bool jackRule; std::array<int, 5> pointcards, before, after; int shooter; } cases[] = {
        {"all fourteen without the rule", false, {0, 0, 14, 0, 0}, {0, 30, 46, 10, 5}, {0, 56, 20, 36, 31}, 2},
        {"all fifteen with the rule", true, {0, 0, 0, 0, 15}, {0, 0, 0, 0, 16}, {0, 26, 26, 26, -10}, 4},
        {"fourteen is no moon under the rule", true, {0, 14, 1, 0, 0}, {0, 26, -10, 0, 0}, {0, 26, -10, 0, 0}, 0},
        {"a spread of points", false, {0, 5, 4, 3, 2}, {0, 9, 4, 3, 10}, {0, 9, 4, 3, 10}, 0},
    };
    for (const auto& c : cases) {
        HeartsTable t;
        t.pointcards = c.pointcards;
        t.gamescore = c.before;
        EXPECT_EQ(settleMoon(t, c.jackRule), c.shooter) << c.name;
        EXPECT_EQ(t.gamescore, c.after) << c.name;
        EXPECT_EQ(t.pointcards, (std::array<int, 5>{})) << c.name;
    }
}

TEST(HeartsScore, GameEndsAtOneHundredWithTheLowestTotalWinning) {
    const struct { std::array<int, 5> totals; int winner; } cases[] = {
        {{0, 99, 0, 0, 0}, 0},     {{0, 100, 60, 60, 80}, 2}, {{0, 100, 50, 50, 50}, 2},
        {{0, 0, 0, 0, 100}, 1},    {{0, 120, 40, 30, 30}, 3}, {{0, 20, 130, -10, 5}, 3},
        {{0, 80, 90, 100, 70}, 4}, {{0, 99, 99, 99, 99}, 0},
    };
    for (const auto& c : cases) {
        HeartsTable t;
        t.gamescore = c.totals;
        EXPECT_EQ(gameWinner(t), c.winner) << c.totals[1] << " " << c.totals[2] << " " << c.totals[3] << " "
                                           << c.totals[4];
    }
}

TEST(HeartsScore, PassingGoesLeftRightAcrossNoneInTurn) {
    const struct { int from, to; } cases[] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}};
    for (auto c : cases) {
        HeartsTable t;
        t.passstate = c.from;
        t.heartsbroken = -1;
        advancePass(t);
        EXPECT_EQ(t.passstate, c.to);
        EXPECT_EQ(t.heartsbroken, 0);
    }
}
