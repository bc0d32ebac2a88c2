#include "backgammon_fixture.h"

#include "games/backgammon/backgammon_user.h"

#include "art/backgammon_geometry.h"
#include "core/chance.h"
#include "platform/files.h"

#include <array>

namespace geo = art::bgboard;
using namespace bgrules;
using bgtest::board;
using bgtest::checkerOn;

namespace {

TEST_F(BackgammonTest, AWholeGameWithADoubleEachWay) {
    // A game in which the computer comes to lead by enough to offer, and the user wins.
    core::setFixedSeed(5u);
    backgammon& b = openBoard();
    const Played played = playGame(b, true, true);
    ASSERT_NE(scoreShown(), nullptr);
    EXPECT_EQ(played.userDoubles, 1);
    EXPECT_EQ(played.computerOffers, 1);
    EXPECT_EQ(b.table.cubevalue, 4);
    EXPECT_GT(played.computerTicks, 20);
    EXPECT_GT(played.userMoves, 20);
    backgammonscore& score = *scoreShown();
    EXPECT_EQ(score.closing(), backgammonscore::Closing::NextGame);
    EXPECT_FALSE(b.Enabled) << "the score window holds the board";
    EXPECT_FALSE(b.Timer1.Enabled || b.Timer2.Enabled || b.Timer3.Enabled);
    const bool userWon = b.table.playeroff == kCheckers;
    EXPECT_NE(userWon, b.table.compoff == kCheckers);
    EXPECT_EQ(b.table.firstroll, userWon ? "P" : "C");
    const std::int64_t points = userWon ? b.table.playerscore : b.table.compscore;
    EXPECT_GE(points, b.table.cubevalue);
    EXPECT_EQ(points % b.table.cubevalue, 0);
    EXPECT_EQ(score.Label3.Caption.get(), std::to_string(b.table.playerscore));
    EXPECT_EQ(score.Label4.Caption.get(), std::to_string(b.table.compscore));
    EXPECT_EQ(score.Label2.Caption.get(), b.Label2.Caption.get());
    EXPECT_EQ(b.table.playerwins, userWon ? 1 : 0);

    close(score);
    EXPECT_EQ(platform::loaded<backgammonscore>(), nullptr);
    EXPECT_TRUE(b.Enabled);
    EXPECT_EQ(b.table.playeroff + b.table.compoff, 0) << "the next game";
    EXPECT_EQ(b.table.cubevalue, 1);
    EXPECT_EQ(b.Label3.Caption.get(), std::to_string(b.table.playerscore)) << "the match's points are kept";
    EXPECT_EQ(b.die1.Enabled.get(), userWon) << "the winner rolls first";
    EXPECT_EQ(b.Timer3.Enabled.get(), !userWon);
}

TEST_F(BackgammonTest, AWholeMatchOfThreeEndsInANewMatch) {
    platform::writeSetting("\\Data\\backgammonto.dat", "3");
    backgammon& b = openBoard();
    for (int game = 1; game <= 3; ++game) {
        SCOPED_TRACE(game);
        playGame(b, game == 2, game != 3);
        backgammonscore* score = scoreShown();
        ASSERT_NE(score, nullptr);
        EXPECT_EQ(b.table.playerwins + b.table.compwins, game);
        EXPECT_EQ(score->closing(), game < 3 ? backgammonscore::Closing::NextGame : backgammonscore::Closing::NewMatch);
        close(*score);
    }
    const auto& shown = boxes.shown();
    const auto verdicts = std::ranges::count_if(shown, [](const auto& box) { return box.prompt.starts_with("After 3 games"); });
    EXPECT_EQ(verdicts, 1);
    EXPECT_EQ(b.table.playerscore + b.table.compscore, 0) << "a new match";
    EXPECT_EQ(b.table.compwins, 0);
    EXPECT_EQ(b.table.playerwins, 0);
    EXPECT_EQ(b.Label3.Caption.get(), "0");
    EXPECT_TRUE(b.die1.Enabled) << "the first roller comes from the file again";
}

TEST_F(BackgammonTest, BorneOffCheckersLeaveTheBoardForGood) {
    backgammon& b = openBoard();
    setBoard(b, board({{19, 3}, {22, 4}, {24, 8}}, {{3, 15}}));
    b.rollKnown(6, 3);
    const int first = checkerOn(b.table, 19);
    move(b, first, kTray);
    EXPECT_EQ(b.table.playerpos[first], kUserOff);
    EXPECT_FALSE(b.Shape1[first].Visible);
    EXPECT_EQ(b.Shape1[first].Tag.get(), "0");
    EXPECT_TRUE(b.Shape4[1].Visible);
    EXPECT_FALSE(b.Shape4[2].Visible);
    EXPECT_FALSE(b.Image1[first].Visible) << "its handle cannot be grabbed again";
    EXPECT_FALSE(b.Image1[first].Enabled);
    EXPECT_EQ(b.table.playerdie1, 0);
    const int second = checkerOn(b.table, 22);
    move(b, second, kTray);
    EXPECT_TRUE(b.Shape4[2].Visible);
    EXPECT_FALSE(b.userturn());
    advance(20);
    EXPECT_FALSE(b.Image1[first].Visible);
    chooseMenu(b.newstuff);
    EXPECT_TRUE(b.Image1[first].Visible) << "until the next game";
    EXPECT_TRUE(b.Shape1[first].Visible);
    EXPECT_FALSE(b.Shape4[1].Visible);
}

// Three checkers on 23 and six on 24 with 5-2: the checker on 24 goes off with neither die, since
// the 5 may bear off only from 23 and the 2 takes a checker from 23 exactly.
TEST_F(BackgammonTest, ALargerDieBearsOffOnlyFromTheRearmostPoint) {
    backgammon& b = openBoard();
    setBoard(b, board({{23, 3}, {24, 6}}, {{3, 15}}));
    b.rollKnown(5, 2);
    const auto refused = [&](const char* when) {
        const int front = checkerOn(b.table, 24);
        const int off = b.table.playeroff;
        const auto diceBefore = std::array<int, 2>{b.table.playerdie1, b.table.playerdie2};
        move(b, front, kTray);
        EXPECT_EQ(b.table.playerpos[front], 24) << when;
        EXPECT_TRUE(b.Shape1[front].Visible) << when;
        EXPECT_EQ(b.table.playeroff, off) << when;
        EXPECT_EQ((std::array<int, 2>{b.table.playerdie1, b.table.playerdie2}), diceBefore) << when;
        EXPECT_TRUE(b.userturn()) << when;
    };
    refused("with 5-2");
    move(b, checkerOn(b.table, 23), kTray);
    EXPECT_EQ(b.table.playeroff, 7);
    EXPECT_EQ(b.table.playerdie1, 5);
    EXPECT_EQ(b.table.playerdie2, 0) << "the 2 bore off from 23 exactly";
    refused("with the 5 left");
    move(b, checkerOn(b.table, 23), kTray);
    EXPECT_EQ(b.table.playeroff, 8);
    EXPECT_EQ(b.table.rownum[23], 1);
    EXPECT_EQ(b.table.rownum[24], 6);
    EXPECT_FALSE(b.userturn()) << "both dice are spent";
}

TEST_F(BackgammonTest, TheUsersLastCheckerOffWinsAGammon) {
    backgammon& b = openBoard();
    setBoard(b, board({{24, 1}}, {{3, 15}}));
    b.table.cubevalue = 2;
    b.rollKnown(2, 1);
    boxes.expect("You Win", platform::vbOK);
    move(b, checkerOn(b.table, 24), kTray);
    EXPECT_EQ(boxes.shown().back().title, "You Win");
    EXPECT_EQ(b.table.playerscore, 4) << "two points for the gammon, doubled by the cube";
    EXPECT_EQ(b.table.playerwins, 1);
    EXPECT_EQ(b.table.firstroll, "P");
    backgammonscore* score = scoreShown();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->closing(), backgammonscore::Closing::NextGame);
    EXPECT_EQ(score->Label3.Caption.get(), "4");
    EXPECT_FALSE(b.Timer1.Enabled || b.Timer2.Enabled || b.Timer3.Enabled);
}

TEST_F(BackgammonTest, TheComputersLastCheckerOffWinsAndItRollsFirstNext) {
    backgammon& b = openBoard();
    setBoard(b, board({{22, 14}, {9, 1}}, {{1, 1}}));
    boxes.expect("You Lost", platform::vbOK);
    computerMoves(b, 3, 2);
    EXPECT_EQ(b.table.compscore, 3) << "a backgammon: the user still has a checker on 9";
    EXPECT_EQ(b.table.compwins, 1);
    EXPECT_EQ(b.table.firstroll, "C");
    EXPECT_FALSE(b.Shape2[1].Visible);
    EXPECT_TRUE(b.Shape5[15].Visible);
    backgammonscore* score = scoreShown();
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->Label4.Caption.get(), "3");
    close(*score);
    EXPECT_TRUE(b.Timer3.Enabled) << "the winner rolls first although the setting says the user";
    EXPECT_FALSE(b.die1.Enabled);
}

// "R" draws the first roller of a match's first game only: every later game opens with the last
// winner, however often the draw would have gone the other way.
TEST_F(BackgammonTest, WithRandomTheWinnerStillRollsFirstInTheNextGame) {
    platform::writeSetting("\\Data\\firstroll.dat", "R");
    platform::writeSetting("\\Data\\backgammonto.dat", "9");
    backgammon& b = openBoard();
    boxes.allow("You Win", platform::vbOK);
    for (int game = 1; game <= 8; ++game) {
        SCOPED_TRACE(game);
        setBoard(b, board({{24, 1}}, {{3, 15}}));
        b.Timer3.Enabled = false;
        b.rollKnown(2, 1);
        move(b, checkerOn(b.table, 24), kTray);
        ASSERT_NE(scoreShown(), nullptr);
        close(*scoreShown());
        EXPECT_TRUE(b.die1.Enabled) << "the user won the game before";
        EXPECT_FALSE(b.Timer3.Enabled);
    }
    EXPECT_EQ(b.table.playerwins, 8) << "one match throughout";
}

TEST_F(BackgammonTest, TheComputerMovesOneCheckerATick) {
    backgammon& b = openBoard();
    setBoard(b, board({{22, 1}, {12, 14}}, {{kComputerBar, 1}, {13, 14}}));
    b.table.compdie1 = 3;
    b.table.compdie2 = 5;
    b.Timer1.Enabled = true;
    advance(999);
    EXPECT_EQ(b.table.comppos[1], kComputerBar) << "the first tick comes a second later";
    advance(1);
    EXPECT_EQ(b.table.comppos[1], 22);
    EXPECT_EQ(sounds.played().back(), "squirt.wav");
    const int hit = checkerOn(b.table, kUserBar);
    ASSERT_NE(hit, 0);
    EXPECT_NEAR(b.Shape1[hit].Left, geo::kUserBar.left, 0.01);
    EXPECT_NEAR(b.Shape1[hit].Top, geo::kUserBar.top, 0.01);
    EXPECT_EQ(b.Image1[hit].Left.get(), b.Shape1[hit].Left.get());
    EXPECT_EQ(b.Shape1[hit].Tag.get(), "50");
    EXPECT_NEAR(b.Shape2[1].Left, 10920, 0.01) << "the hitter takes the blot's place";
    EXPECT_NEAR(b.Shape2[1].Top, 960, 0.01);
    advance(1000);
    EXPECT_EQ(sounds.played().back(), "flick.wav");
    EXPECT_FALSE(b.Timer1.Enabled);
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_TRUE(dice->Enabled);
    click(b.die1);
    EXPECT_TRUE(b.userturn());
    EXPECT_TRUE(targets(b.table, hit).any() || !b.userturn());
}

}  // namespace
