#include "backgammon_fixture.h"

using namespace bgrules;
using bgtest::board;

namespace {

// The user leads the race by far: 15 checkers on 22 (45 pips) against the computer's 15 on 12.
const BackgammonTable kUserAhead = board({{22, 15}}, {{12, 15}});
// The computer leads by far: its 15 on 3 (45 pips) against the user's 15 on 2.
const BackgammonTable kComputerAhead = board({{2, 15}}, {{3, 15}});

TEST_F(BackgammonTest, TheComputerAcceptsAnEvenDoubleAndTheCubeShowsTheStake) {
    backgammon& b = openBoard();
    boxes.expect("Are you sure you wish to double?", platform::vbYes);
    click(b.Image4);
    EXPECT_EQ(boxes.shown().back().title, "Double?");
    EXPECT_EQ(boxes.shown().back().style, platform::vbYesNo + platform::vbInformation);
    EXPECT_EQ(b.table.cubevalue, 2);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube2.Picture.get());
    EXPECT_EQ(b.table.compownscube, 1);
    click(b.Image4);
    EXPECT_EQ(boxes.shown().size(), 1u) << "the computer owns the cube: no question";
    EXPECT_EQ(scoreShown(), nullptr);
}

TEST_F(BackgammonTest, ANoToTheQuestionChangesNothing) {
    backgammon& b = openBoard();
    boxes.expect("Are you sure", platform::vbNo);
    click(b.Image4);
    EXPECT_EQ(b.table.cubevalue, 1);
    EXPECT_EQ(b.table.compownscube, 0);
}

TEST_F(BackgammonTest, AboveSixtyFourTheCubeKeepsShowingSixtyFour) {
    backgammon& b = openBoard();
    b.table.cubevalue = 32;
    boxes.expect("Are you sure", platform::vbYes);
    click(b.Image4);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube64.Picture.get());
    b.table.compownscube = 0;
    boxes.expect("Are you sure", platform::vbYes);
    click(b.Image4);
    EXPECT_EQ(b.table.cubevalue, 128);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube64.Picture.get());
}

TEST_F(BackgammonTest, TheComputerRefusesWhenFarBehindAndTheUserWinsTheStakeAsItStood) {
    backgammon& b = openBoard();
    setBoard(b, kUserAhead);
    b.table.cubevalue = 2;
    boxes.expect("Are you sure", platform::vbYes);
    boxes.expect("does not accept the double, You Win!", platform::vbOK);
    click(b.Image4);
    const platform::BoxRequest& refusal = boxes.shown().back();
    EXPECT_EQ(refusal.prompt, b.Label2.Caption.get() + " does not accept the double, You Win!");
    EXPECT_EQ(refusal.style, platform::vbOKOnly) << "a plain box";
    EXPECT_EQ(refusal.title, platform::kProgramTitle) << "with no title of its own";
    EXPECT_EQ(b.table.playerscore, 2);
    EXPECT_EQ(b.table.playerwins, 1);
    EXPECT_EQ(b.table.playerwins, 1);
    EXPECT_EQ(b.table.firstroll, "P");
    ASSERT_NE(scoreShown(), nullptr);
    EXPECT_EQ(scoreShown()->closing(), backgammonscore::Closing::NextGame);
}

TEST_F(BackgammonTest, ARefusalDuringTheComputersTurnStopsItsMoves) {
    backgammon& b = openBoard();
    setBoard(b, kUserAhead);
    b.table.compdie1 = 5;
    b.table.compdie2 = 4;
    b.Timer1.Enabled = true;
    boxes.expect("Are you sure", platform::vbYes);
    boxes.expect("does not accept", platform::vbOK);
    click(b.Image4);
    EXPECT_FALSE(b.Timer1.Enabled || b.Timer2.Enabled || b.Timer3.Enabled);
    const BackgammonTable after = b.table;
    advance(5000);
    EXPECT_EQ(b.table.comppos, after.comppos) << "no computer move under the score window";
    EXPECT_EQ(b.table.compwins, 0);
}

TEST_F(BackgammonTest, TheComputerOffersWhenFarAheadAndTheUserAccepts) {
    backgammon& b = openBoard();
    setBoard(b, kComputerAhead);
    boxes.expect("wants to double?", platform::vbYes);
    b.Timer2.Enabled = true;
    advance(20);
    const platform::BoxRequest& offer = boxes.shown().back();
    EXPECT_EQ(offer.prompt, b.Label2.Caption.get() + " wants to double?");
    EXPECT_EQ(offer.style, platform::vbYesNo + platform::vbInformation);
    EXPECT_EQ(b.table.cubevalue, 2);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube2.Picture.get());
    EXPECT_EQ(b.table.compownscube, 0) << "the user may redouble";
    EXPECT_EQ(b.table.compoffered, 1);
    EXPECT_EQ(playedCount("dice.wav"), 1) << "the computer goes on to roll";
    EXPECT_TRUE(b.Timer1.Enabled);
}

TEST_F(BackgammonTest, TheComputerOffersOnlyOnceBetweenTheUsersDoubles) {
    backgammon& b = openBoard();
    setBoard(b, kComputerAhead);
    b.table.compoffered = 1;
    b.Timer2.Enabled = true;
    advance(20);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(playedCount("dice.wav"), 1);
}

TEST_F(BackgammonTest, RefusingTheComputersDoubleAtFourLosesFourAndNoDiceAreThrown) {
    backgammon& b = openBoard();
    setBoard(b, kComputerAhead);
    b.table.cubevalue = 4;
    boxes.expect("wants to double?", platform::vbNo);
    boxes.expect("You Lost by not accepting the double", platform::vbOK);
    b.Timer3.Enabled = true;
    advance(20);
    EXPECT_EQ(boxes.shown().back().title, "You Lost");
    EXPECT_EQ(b.table.compscore, 4);
    EXPECT_EQ(b.table.compwins, 1);
    EXPECT_EQ(b.table.compwins, 1);
    EXPECT_EQ(b.Label4.Caption.get(), "4");
    EXPECT_EQ(b.table.firstroll, "C");
    EXPECT_EQ(playedCount("dice.wav"), 0);
    EXPECT_FALSE(b.Timer1.Enabled || b.Timer2.Enabled || b.Timer3.Enabled);
    ASSERT_NE(scoreShown(), nullptr);
    EXPECT_EQ(scoreShown()->closing(), backgammonscore::Closing::NextGame);
    EXPECT_EQ(scoreShown()->Label4.Caption.get(), "4");
}

}  // namespace
