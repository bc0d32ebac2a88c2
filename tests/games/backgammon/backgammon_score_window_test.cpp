#include "backgammon_fixture.h"

#include "platform/files.h"

#include <string>

using namespace bgrules;
using bgtest::board;

namespace {

// A match as the game window records it: games won by each side and both points totals.
void setMatch(backgammon& b, int userWins, int computerWins, int userPoints, int computerPoints) {
    b.table.playerwins = userWins;
    b.table.compwins = computerWins;
    b.table.playerscore = userPoints;
    b.table.compscore = computerPoints;
    b.Label3.Caption = std::to_string(userPoints);
    b.Label4.Caption = std::to_string(computerPoints);
}

struct VerdictCase {
    int userPoints, computerPoints;
    bool userWins;
};

TEST_F(BackgammonTest, AfterTheLastGameTheScoreWindowDecidesTheMatch) {
    platform::writeSetting("\\Data\\backgammonto.dat", "3");
    const VerdictCase cases[] = {{4, 2, true}, {9, 10, false}, {10, 9, true}, {7, 7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.userPoints) + " to " + std::to_string(c.computerPoints));
        backgammon& b = openBoard();
        setMatch(b, 1, 2, c.userPoints, c.computerPoints);
        const std::string name = b.Label2.Caption.get();
        boxes.expect(c.userWins ? "You Win!" : "You Lost!", platform::vbOK);
        chooseMenu(b.viewscore);
        const platform::BoxRequest& verdict = boxes.shown().back();
        EXPECT_EQ(verdict.prompt, c.userWins ? "After 3 games you have a higher score than " + name + ". You Win!"
                                             : "After 3 games " + name + " has a higher score than you do. You Lost!");
        EXPECT_EQ(verdict.style, platform::vbInformation);
        backgammonscore& score = *scoreShown();
        EXPECT_EQ(score.closing(), backgammonscore::Closing::NewMatch);
        close(score);
        EXPECT_EQ(b.table.playerscore + b.table.compscore, 0) << "a new match";
        EXPECT_EQ(b.Label3.Caption.get(), "0");
        EXPECT_EQ(b.table.compwins, 0);
        b.Unload();
        settle();
    }
}

TEST_F(BackgammonTest, ViewScoreMidMatchShowsTheTotalsAndChangesNothing) {
    backgammon& b = openBoard();
    platform::window<gp::mainstandin>().Label1.Caption = "Ada";
    b.username = "Ada";
    setMatch(b, 1, 1, 2, 3);
    b.rollKnown(6, 5);
    chooseMenu(b.viewscore);
    backgammonscore& score = *scoreShown();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(score.Label1.Caption.get(), "Ada");
    EXPECT_EQ(score.Label2.Caption.get(), b.Label2.Caption.get());
    EXPECT_EQ(score.Label3.Caption.get(), "2");
    EXPECT_EQ(score.Label4.Caption.get(), "3");
    EXPECT_EQ(score.closing(), backgammonscore::Closing::Nothing);
    EXPECT_FALSE(b.Enabled);
    EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled);
    const BackgammonTable before = b.table;
    close(score);
    EXPECT_TRUE(b.Enabled);
    EXPECT_EQ(b.table.playerpos, before.playerpos);
    EXPECT_EQ(b.table.playerdie1, 6);
    EXPECT_TRUE(b.userturn());
}

TEST_F(BackgammonTest, AMatchShortenedBelowTheGamesPlayedIsDecidedAtTheNextLook) {
    backgammon& b = openBoard();
    chooseMenu(b.f5);
    setMatch(b, 2, 2, 4, 5);
    chooseMenu(b.viewscore);
    EXPECT_TRUE(boxes.shown().empty()) << "four games of five";
    close(*scoreShown());
    chooseMenu(b.f3);
    boxes.expect("After 3 games", platform::vbOK);
    chooseMenu(b.viewscore);
    EXPECT_EQ(scoreShown()->closing(), backgammonscore::Closing::NewMatch);
}

// A match decided from View Score in the middle of a game (its length shortened below the games
// played) ends that game's play: the computer moves no more under the verdict, and closing the
// window starts the new match rather than another game of the old one.
TEST_F(BackgammonTest, AMatchDecidedFromViewScoreStopsTheGameUnderIt) {
    backgammon& b = openBoard();
    chooseMenu(b.f3);
    setBoard(b, board({{22, 15}}, {{1, 1}}));
    setMatch(b, 2, 2, 4, 5);
    b.table.compdie1 = 3;
    b.table.compdie2 = 2;
    b.Timer1.Enabled = true;
    boxes.expect("After 3 games", platform::vbOK);
    chooseMenu(b.viewscore);
    backgammonscore& score = *scoreShown();
    ASSERT_EQ(score.closing(), backgammonscore::Closing::NewMatch);
    advance(5000);
    EXPECT_EQ(b.table.compoff, 14) << "the computer bore off under the verdict";
    EXPECT_EQ(b.table.compwins, 2);
    EXPECT_EQ(score.closing(), backgammonscore::Closing::NewMatch);
    close(score);
    EXPECT_EQ(b.table.playerwins + b.table.compwins, 0) << "a new match";
    EXPECT_EQ(b.table.playerscore + b.table.compscore, 0);
}

TEST_F(BackgammonTest, AMatchLengthThatIsNoNumberDecidesNothing) {
    platform::writeSetting("\\Data\\backgammonto.dat", "");
    backgammon& b = openBoard();
    for (platform::Menu* item : {&b.f3, &b.f5, &b.f7, &b.f9}) EXPECT_FALSE(item->Checked);
    setMatch(b, 6, 4, 9, 8);
    chooseMenu(b.viewscore);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(scoreShown()->closing(), backgammonscore::Closing::Nothing);
}

TEST_F(BackgammonTest, AGameEndingUnderAnOpenScoreWindowIsStillDecided) {
    platform::writeSetting("\\Data\\backgammonto.dat", "3");
    backgammon& b = openBoard();
    setBoard(b, board({{22, 15}}, {{1, 1}}));
    setMatch(b, 1, 1, 1, 1);
    b.table.compdie1 = 3;
    b.table.compdie2 = 2;
    b.Timer1.Enabled = true;
    chooseMenu(b.viewscore);
    ASSERT_EQ(platform::activeForm(), scoreShown());
    boxes.expect("You Lost", platform::vbOK);
    boxes.expect("After 3 games", platform::vbOK);
    advance(1000);
    EXPECT_EQ(b.table.compwins, 2);
    EXPECT_EQ(scoreShown()->closing(), backgammonscore::Closing::NewMatch);
    EXPECT_EQ(scoreShown()->Label4.Caption.get(), std::to_string(1 + 2));
}

TEST_F(BackgammonTest, ClosingTheBoardClosesTheScoreWindowWithoutANewGame) {
    for (bool throughTheBoard : {false, true}) {
        SCOPED_TRACE(throughTheBoard ? "the board unloads" : "the score window is dismissed");
        backgammon& b = openBoard();
        setBoard(b, board({{22, 15}}, {{1, 1}}));
        b.table.compdie1 = 3;
        b.table.compdie2 = 2;
        b.Timer1.Enabled = true;
        boxes.expect("You Lost", platform::vbOK);
        advance(1000);
        ASSERT_NE(scoreShown(), nullptr);
        ASSERT_EQ(scoreShown()->closing(), backgammonscore::Closing::NextGame);
        if (throughTheBoard) {
            b.Unload();
            settle();
            EXPECT_EQ(platform::loaded<backgammon>(), nullptr);
        } else {
            scoreShown()->dismiss();
            settle();
            EXPECT_EQ(b.table.compoff, kCheckers) << "no next game";
            EXPECT_FALSE(b.Timer3.Enabled);
            EXPECT_FALSE(b.Enabled) << "the board is left as it was";
            b.Unload();
            settle();
        }
        EXPECT_EQ(platform::loaded<backgammonscore>(), nullptr);
        EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled);
    }
}

TEST_F(BackgammonTest, TheScoreWindowScalesOnSmallScreens) {
    const struct {
        int width, height;
        float scale;
        double font;
    } cases[] = {{640, 480, 0.63f, 7}, {800, 600, 0.78f, 7}, {1024, 768, 1.0f, 8.25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        setScreen(c.width, c.height);
        backgammon& b = openBoard();
        chooseMenu(b.viewscore);
        backgammonscore& score = *scoreShown();
        EXPECT_NEAR(score.Label4.Left, 2760 * c.scale, 0.01);
        EXPECT_NEAR(score.Label4.Top, 1080 * c.scale, 0.01);
        EXPECT_NEAR(score.Line1.Y2, 1680 * c.scale, 0.01);
        EXPECT_EQ(score.Label1.Font.Size.get(), c.font);
        EXPECT_LE(score.Line1.Y2, score.ScaleHeight()) << "the rule fits inside";
        EXPECT_LE(score.Label4.Left + score.Label4.Width, score.ScaleWidth());
        close(score);
        b.Unload();
        settle();
    }
}

}  // namespace
