#include "tictactoe_fixture.h"

#include "common/names.h"
#include "platform/files.h"

#include <algorithm>
#include <set>

using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

bool oneOfTheSix(std::string_view name) { return std::ranges::find(common::oppnames, name) != common::oppnames.end(); }

TEST_F(TicTacToeTest, OpensAtTheStartOfAMatchWithTheUserToMove) {
    tictactoe& w = openTicTac();
    EXPECT_EQ(w.Caption.get(), "Tic-Tac-Toe");
    EXPECT_EQ(w.ScaleWidth(), 9000);
    EXPECT_EQ(w.ScaleHeight(), 5550);
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: X's");
    const std::string opponent = w.Label2.Caption.get();
    ASSERT_TRUE(opponent.ends_with(": O's")) << opponent;
    EXPECT_TRUE(oneOfTheSix(opponent.substr(0, opponent.size() - 5))) << opponent;
    EXPECT_EQ(w.Label3.Caption.get(), "Wins: 0");
    EXPECT_EQ(w.Label4.Caption.get(), "Wins: 0");
    EXPECT_EQ(board(w), ".........");
    EXPECT_EQ(enabled(w), "111111111");
    EXPECT_TRUE(arrowAtUser(w));
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled.get());
    EXPECT_TRUE(w.onsound.Checked.get());
    EXPECT_FALSE(w.off.Checked.get());
}

TEST_F(TicTacToeTest, TheComputerAnswersTheUsersMoveAfterItsWait) {
    tictactoe& w = openTicTac();
    click(w.Picture1[1]);
    EXPECT_EQ(board(w), "X........");
    EXPECT_EQ(enabled(w), "000000000");
    EXPECT_FALSE(arrowAtUser(w));
    EXPECT_TRUE(w.Timer1.running());
    advance(1499);
    EXPECT_EQ(board(w), "X........");
    advance(1);
    EXPECT_EQ(board(w), "X...O....") << "a corner is answered in the centre";
    EXPECT_EQ(enabled(w), emptyCells(w));
    EXPECT_TRUE(arrowAtUser(w));
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_EQ(sounds.played(), (std::vector<std::string>{"flick.wav", "flick.wav"}));
    EXPECT_EQ(w.table.playermoves, 1);
    EXPECT_EQ(w.table.compmoves, 1);
}

TEST_F(TicTacToeTest, EachEndingIsAnnouncedAndCountedForItsSide) {
    const struct {
        const char* why;
        std::vector<int> cells;
        const char* box;
        const char* wins;      // the totals afterwards, the user's then the computer's
        bool computerOpens;    // the side that did not make the last move opens the next game
    } games[] = {
        {"the user completes a line", {1, 9, 7, 4}, "You Win", "10", true},
        {"the computer completes a line", {1, 2, 4}, "Computer Wins", "01", false},
        {"the user's ninth mark leaves no line", {1, 3, 8, 6, 7}, "Cat", "00", true},
    };
    tictactoe& w = openTicTac();
    for (const auto& game : games) {
        SCOPED_TRACE(game.why);
        chooseMenu(w.newgame2);
        boxes.expect(game.box, vbOK);
        play(w, game.cells);
        boxes.verifyAllUsed();
        EXPECT_EQ(boxes.shown().back().title, game.box);
        EXPECT_EQ(boxes.shown().back().style, platform::vbOKOnly + platform::vbInformation);
        EXPECT_EQ(board(w), ".........");
        EXPECT_EQ(std::to_string(w.table.playerwins) + std::to_string(w.table.compwins), game.wins);
        EXPECT_EQ(w.Label3.Caption.get(), "Wins: " + std::to_string(w.table.playerwins));
        EXPECT_EQ(w.Label4.Caption.get(), "Wins: " + std::to_string(w.table.compwins));
        EXPECT_EQ(w.Timer1.running(), game.computerOpens);
        EXPECT_FALSE(w.table.catgame);
    }
}

TEST_F(TicTacToeTest, MenusStandInTheirDesignOrder) {
    tictactoe& w = openTicTac();
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Edit", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.edit), std::vector<std::string>{"Preferences"});
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(TicTacToeTest, AfterTheUsersLastMoveTheComputerOpensUnlessTheUserClicksInTheWait) {
    tictactoe& w = openTicTac();
    boxes.expect("You Win", vbOK);
    play(w, {1, 9, 7, 4});
    // X dealt to the user again: the board invites a click while the computer's move is pending.
    EXPECT_EQ(enabled(w), "111111111");
    EXPECT_TRUE(arrowAtUser(w));
    EXPECT_TRUE(w.Timer1.running());
    advance(500);
    click(w.Picture1[1]);
    EXPECT_EQ(board(w), "X........");
    advance(999);
    EXPECT_EQ(board(w), "X........") << "the click does not restart the wait";
    advance(1);
    EXPECT_EQ(board(w), "X...O....");

    chooseMenu(w.newgame2);
    boxes.expect("You Win", vbOK);
    play(w, {1, 9, 7, 4});
    script(w, {6});
    computerMove();
    EXPECT_EQ(board(w), ".....O...") << "without a click the computer opens with O";
    EXPECT_EQ(enabled(w), emptyCells(w));
    EXPECT_FALSE(w.Timer1.running());
}

TEST_F(TicTacToeTest, AfterComputerWinsTheUserOpensTheNextGameEvenWithO) {
    tictactoe& w = openTicTac();
    play(w, {1, 2});
    // The next game deals the computer X, which would open it.
    settings("O", "3");
    boxes.expect("Computer Wins", vbOK);
    play(w, {4});
    boxes.verifyAllUsed();
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: O's");
    EXPECT_EQ(board(w), ".........");
    EXPECT_EQ(enabled(w), "111111111");
    EXPECT_TRUE(arrowAtUser(w));
    EXPECT_FALSE(w.Timer1.running());
    advance(5000);
    EXPECT_EQ(board(w), ".........") << "the computer waits for the user";
    click(w.Picture1[1]);
    EXPECT_EQ(board(w), "O........");
    computerMove();
    EXPECT_EQ(board(w), "O...X....");
}

TEST_F(TicTacToeTest, NewGameCancelsAPendingMoveAndXOpensTheNewMatch) {
    tictactoe& w = openTicTac();
    click(w.Picture1[1]);
    advance(1000);
    chooseMenu(w.newgame2);
    EXPECT_EQ(board(w), ".........");
    EXPECT_FALSE(w.Timer1.running());
    advance(3000);
    EXPECT_EQ(board(w), ".........") << "the cancelled move never comes";
    EXPECT_EQ(enabled(w), "111111111");

    // Holding O, the user waits for the computer's X, a whole wait after New Game.
    settings("O", "3");
    click(w.Picture1[1]);
    advance(1000);
    script(w, {});
    chooseMenu(w.newgame2);
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: O's");
    EXPECT_EQ(enabled(w), "000000000");
    EXPECT_FALSE(arrowAtUser(w));
    advance(1499);
    EXPECT_EQ(board(w), ".........");
    script(w, {3});
    advance(1);
    EXPECT_EQ(board(w), "..X......");
    EXPECT_EQ(enabled(w), emptyCells(w));
}

TEST_F(TicTacToeTest, EveryMatchDrawsItsOpponentFromTheSix) {
    tictactoe& w = openTicTac();
    std::set<std::string> opponents;
    for (int match = 0; match < 60; ++match) {
        chooseMenu(w.newgame2);
        const std::string label = w.Label2.Caption.get();
        opponents.insert(label.substr(0, label.size() - std::string_view(": O's").size()));
    }
    EXPECT_EQ(opponents, std::set<std::string>(common::oppnames.begin(), common::oppnames.end()));
}

TEST_F(TicTacToeTest, ARandomMarkIsDealtAnewForEveryGame) {
    settings("R", "3");
    tictactoe& w = openTicTac();
    script(w, {2, 1});
    chooseMenu(w.newgame2);
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: O's");
    EXPECT_TRUE(w.Label2.Caption.get().ends_with(": X's"));
    chooseMenu(w.newgame2);
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: X's");
    EXPECT_TRUE(w.Label2.Caption.get().ends_with(": O's"));
}

TEST_F(TicTacToeTest, SoundFollowsTheSwitchReadAgainAtEachActivation) {
    tictactoe& w = openTicTac();
    chooseMenu(w.off);
    EXPECT_EQ(platform::readSetting("\\Data\\tictactoesound.dat"), "NO");
    play(w, {1});
    EXPECT_TRUE(sounds.played().empty());
    // Changed behind the window's back, the switch counts from the window's next activation.
    platform::writeSetting("\\Data\\tictactoesound.dat", "YES");
    chooseMenu(w.pref);
    close(platform::window<tictacsettings>());
    settle();
    EXPECT_TRUE(w.onsound.Checked.get());
    EXPECT_FALSE(w.off.Checked.get());
    click(w.Picture1[3]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(TicTacToeTest, RulesAndExit) {
    tictactoe& w = openTicTac();
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\tictactoe.html"});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<tictactoe>(), nullptr);
    EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled.get());
}

TEST_F(TicTacToeTest, SmallScreensShrinkTheBoardOnlyAt640By480AndSetSmallerLabels) {
    const struct {
        int width, height;
        float scale;
        double labelSize;
    } screens[] = {{640, 480, 0.78f, 7}, {800, 600, 1.0f, 7}, {1024, 768, 1.0f, 8.25}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.width);
        setScreen(screen.width, screen.height);
        tictactoe& w = openTicTac();
        EXPECT_EQ(w.scale, screen.scale);
        EXPECT_EQ(w.Label1.Font.Size.get(), screen.labelSize);
        EXPECT_EQ(w.Label4.Font.Size.get(), screen.labelSize);
        EXPECT_DOUBLE_EQ(w.Picture1[9].Left.get(), 3360 * double(screen.scale));
        EXPECT_DOUBLE_EQ(w.Line1[8].Y2.get(), 4560 * double(screen.scale));
        EXPECT_LE(w.Width.get(), screen.width * 15.0);
        EXPECT_LE(w.Height.get(), screen.height * 15.0);
        chooseMenu(w.exit);
        settle();
    }
}

}  // namespace
