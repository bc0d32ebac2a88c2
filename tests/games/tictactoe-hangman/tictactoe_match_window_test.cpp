#include "tictactoe_fixture.h"

using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

constexpr const char* kWonMatch = "You win the match! Play again?";
constexpr const char* kLostMatch = "You Lost the match! Play again?";

TEST_F(TicTacToeTest, WithATargetOfOneEveryLaterGameAsksAgainAfterNoDrawsIncluded) {
    settings("X", "1");
    tictactoe& w = openTicTac();
    boxes.expect("You Win", vbOK);
    boxes.expect(kWonMatch, vbNo);
    play(w, {1, 9, 7, 4});
    boxes.verifyAllUsed();
    EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
    EXPECT_EQ(boxes.shown().back().style, platform::vbYesNo + platform::vbInformation);
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 1") << "No plays on with the totals";

    // The computer opens in the corner and the game ends in a Cat on its ninth mark.
    script(w, {1});
    boxes.expect("Cat", vbOK);
    boxes.expect(kWonMatch, vbNo);
    computerMove();
    play(w, {3, 9, 4, 8});
    boxes.verifyAllUsed();
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 1");
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 0");

    // A game the computer wins reaches its target too, but the user's total is asked about first.
    boxes.expect("Computer Wins", vbOK);
    boxes.expect(kWonMatch, vbYes);
    play(w, {1, 2, 4});
    boxes.verifyAllUsed();
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 0");
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 0");
    EXPECT_EQ(w.table.playerwins, 0);
    EXPECT_EQ(w.table.compwins, 0);
    // The computer made the last move: the user opens the new match.
    EXPECT_EQ(enabled(w), "111111111");
    EXPECT_FALSE(w.Timer1.running());
}

TEST_F(TicTacToeTest, TheLostMatchQuestionReturnsUntilTheUserAlsoReachesTheTarget) {
    settings("X", "1");
    tictactoe& w = openTicTac();
    boxes.expect("Computer Wins", vbOK);
    boxes.expect(kLostMatch, vbNo);
    play(w, {1, 2, 4});
    boxes.expect("Cat", vbOK);
    boxes.expect(kLostMatch, vbNo);
    play(w, {1, 3, 8, 6, 7});
    // The computer opens after the user's ninth mark; this time the user wins.
    script(w, {2});
    computerMove();
    boxes.expect("You Win", vbOK);
    boxes.expect(kWonMatch, vbNo);
    play(w, {1, 8, 7, 4});
    boxes.verifyAllUsed();
    EXPECT_EQ(prompts(), (std::vector<std::string>{"Computer Wins", kLostMatch, "Cat", kLostMatch, "You Win", kWonMatch}));
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 1");
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 1");
}

TEST_F(TicTacToeTest, AWholeMatchToTwoPlayedThrough) {
    tictactoe& w = openTicTac();
    chooseMenu(w.pref);
    tictacsettings& dialog = platform::window<tictacsettings>();
    dialog.Combo1.userChoose(1);
    close(dialog);
    settle();
    ASSERT_EQ(w.table.playto, "2");

    // Game 1: the user's fork wins; the computer opens game 2.
    boxes.expect("You Win", vbOK);
    play(w, {1, 9, 7, 4});
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 1");
    ASSERT_TRUE(w.Timer1.running());

    // Game 2: the computer opens in the corner; a Cat on its ninth mark, so the user opens game 3.
    script(w, {1});
    computerMove();
    EXPECT_EQ(board(w), "O........");
    boxes.expect("Cat", vbOK);
    play(w, {3, 9, 4, 8});
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 1");
    EXPECT_FALSE(w.Timer1.running());

    // Game 3: careless play; the computer wins and the user opens game 4.
    boxes.expect("Computer Wins", vbOK);
    play(w, {1, 2, 4});
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 1");
    EXPECT_FALSE(w.Timer1.running());

    // Game 4 wins the match; Yes starts a new one, opened by the computer after the user's move.
    boxes.expect("You Win", vbOK);
    boxes.expect(kWonMatch, vbYes);
    play(w, {1, 9, 7, 4});
    boxes.verifyAllUsed();
    EXPECT_EQ(prompts(), (std::vector<std::string>{"You Win", "Cat", "Computer Wins", "You Win", kWonMatch}));
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 0");
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 0");
    EXPECT_EQ(board(w), ".........");
    EXPECT_TRUE(w.Timer1.running());
    script(w, {5});
    computerMove();
    EXPECT_EQ(board(w), "....O....");
}

// As 0 (or no number at all) every game would end in the match question.
TEST_F(TicTacToeTest, APlayToThatIsNotAWholeNumberFromOneToFifteenPlaysToThree) {
    for (const char* text : {"0", "abc", "", "16", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(text ? text : "no file");
        settings("X", text ? text : "");
        if (!text) std::filesystem::remove(programDir() / "tictacto.dat");
        tictactoe& w = openTicTac();
        // A second win asks nothing, a third asks.
        w.table.playerwins = 1;
        boxes.expect("You Win", vbOK);
        play(w, {1, 9, 7, 4});
        boxes.verifyAllUsed();
        EXPECT_EQ(w.table.playerwins, 2);
        chooseMenu(w.newgame2);
        w.table.playerwins = 2;
        boxes.expect("You Win", vbOK);
        boxes.expect(kWonMatch, vbNo);
        play(w, {1, 9, 7, 4});
        boxes.verifyAllUsed();
        chooseMenu(w.exit);
        settle();
    }
}

}  // namespace
