#include <gtest/gtest.h>

#include "games/gin/gin_scoring.h"
#include "gin_builder.h"

#include <sstream>
#include <string>

using namespace ginrules;
using gintest::table;
using gintest::tagOf;

namespace {

TEST(GinScoring, LayOffsOntoTheKnockersMeldsInOnePass) {
    const struct {
        const char* what;
        const char* knockerHand;
        const char* otherHand;
        const char* laidOff;
        const char* kept;
        int before, after;
    } cases[] = {
        {"the fourth king", "KS KC KD 2H 3H 4H 9S 9C 5D AC", "KH 2S 4C 6D 8S TD QS 3C 5S 7D", "KH", "2S 4C", 65, 55},
        {"both ends of a run, but not the card beyond", "4S 5S 6S 2H 9H JC KD 3D 8C QH",
         "3S 7S 8S AH 4H 6C TD 2C 5D QC", "3S 7S", "8S AH", 56, 46},
    };
    for (const auto& c : cases) {
        for (int knocker : {kComputer, kUser}) {
            SCOPED_TRACE(std::string(c.what) + (knocker == kUser ? ", onto the user's melds" : ", onto the computer's"));
            GinTable t = knocker == kComputer ? table(c.knockerHand, c.otherHand) : table(c.otherHand, c.knockerHand);
            const int other = otherSide(knocker);
            ASSERT_EQ(t.unmatched[other], c.before);
            layoff(t, knocker);
            EXPECT_EQ(t.unmatched[other], c.after);
            std::istringstream laid{c.laidOff}, kept{c.kept};
            for (std::string name; laid >> name;) EXPECT_EQ(t.meldmark[tagOf(t, name)], -1) << name;
            for (std::string name; kept >> name;) EXPECT_EQ(t.meldmark[tagOf(t, name)], 0) << name;
        }
    }
}

TEST(GinScoring, PointsOfAHand) {
    const struct {
        const char* what;
        Points points;
        Points expected;
    } cases[] = {
        {"the user knocks with 8 against 5", knockPoints(kUser, 8, 5), {kComputer, 23, true}},
        {"the user knocks with 6 against 6", knockPoints(kUser, 6, 6), {kUser, 0, false}},
        {"the user knocks with 3 against 30", knockPoints(kUser, 3, 30), {kUser, 27, false}},
        {"the computer knocks with 7, the user lays off to 4", knockPoints(kComputer, 4, 7), {kUser, 23, true}},
        {"the computer knocks with 9 against 30", knockPoints(kComputer, 30, 9), {kComputer, 21, false}},
        {"the computer knocks with 5 against 5", knockPoints(kComputer, 5, 5), {kComputer, 0, false}},
        {"the user's gin against 40", ginPoints(kUser, 40), {kUser, 65, false}},
        {"the computer's gin against 12", ginPoints(kComputer, 12), {kComputer, 37, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.points.side, c.expected.side);
        EXPECT_EQ(c.points.points, c.expected.points);
        EXPECT_EQ(c.points.undercut, c.expected.undercut);
    }
}

TEST(GinScoring, SettlingAddsToTheWinnersTotalAndEndsTheHand) {
    // The computer knocks with 9; the user lays the seven of hearts off and is left with nothing.
    const char* computer = "4H 5H 6H 7S 7C 7D JC QC KC 9S";
    const char* user = "7H 4S 2S 3S AC 2C 3C TD JD QD";
    GinTable t = table(computer, user, "", "", 4);
    ASSERT_EQ(handEnd(t), HandEnd::ComputerKnocks);
    ASSERT_EQ(t.unmatched[kUser], 7);
    t.gamescore = {0, 50, 40};
    t.turn = kComputer;
    const Points p = settle(t, HandEnd::ComputerKnocks);
    EXPECT_EQ(t.unmatched[kUser], 0);
    EXPECT_EQ(p.side, kUser);
    EXPECT_EQ(p.points, 29);
    EXPECT_EQ(t.gamescore[kUser], 79);
    EXPECT_EQ(t.gamescore[kComputer], 40);
    EXPECT_TRUE(t.handover);
    EXPECT_EQ(t.turn, 0);

    GinTable dead = table(computer, user);
    dead.gamescore = {0, 50, 40};
    EXPECT_EQ(settle(dead, HandEnd::DeadHand).side, 0);
    EXPECT_EQ(dead.gamescore[kUser], 50);
    EXPECT_EQ(dead.gamescore[kComputer], 40);
    EXPECT_TRUE(dead.handover);
}

TEST(GinScoring, TheEndOfTheGame) {
    const struct {
        const char* what;
        int user, computer, target;
        Outcome outcome;
    } cases[] = {
        {"neither", 99, 99, 100, Outcome::Playing},
        {"the user exactly at the target", 100, 20, 100, Outcome::UserWon},
        {"the computer exactly at the target", 20, 75, 75, Outcome::ComputerWon},
        {"both past it: the user is tested first", 160, 170, 150, Outcome::UserWon},
        {"a lowered target", 10, 80, 75, Outcome::ComputerWon},
        {"the same totals under the higher target", 10, 80, 100, Outcome::Playing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(gameOutcome(c.user, c.computer, c.target), c.outcome);
        for (int drawn : {kUser, kComputer})
            EXPECT_EQ(firstPlayer(drawn, c.user, c.computer, c.target), c.outcome == Outcome::Playing ? drawn : kUser);
    }
}

}  // namespace
