#include "tictactoe_fixture.h"

#include "platform/files.h"

using platform::vbNo;
using platform::vbOK;

namespace {

class TicTacSettings : public TicTacToeTest {
protected:
    tictacsettings& preferences(tictactoe& w) {
        chooseMenu(w.pref);
        return platform::window<tictacsettings>();
    }
    void closeDialog() {
        close(platform::window<tictacsettings>());
        settle();
    }
    static std::string file(std::string_view name) { return platform::readSetting(name); }
    static std::string selected(const tictacsettings& d) {
        return std::string(d.Option1.Value ? "X" : "") + (d.Option2.Value ? "O" : "") + (d.Option3.Value ? "R" : "");
    }
};

TEST_F(TicTacSettings, ShowsTheSettingsLocksTheGameAndWritesBothFilesAtClose) {
    settings("O", "7");
    tictactoe& w = openTicTac();
    tictacsettings& d = preferences(w);
    EXPECT_EQ(d.Caption.get(), "Settings");
    EXPECT_EQ(d.ScaleWidth(), 2640);
    EXPECT_EQ(d.ScaleHeight(), 2535);
    EXPECT_FALSE(w.Enabled.get());
    EXPECT_EQ(d.Combo1.ListCount(), 15);
    EXPECT_EQ(d.Combo1.List(0), "1");
    EXPECT_EQ(d.Combo1.List(14), "15");
    EXPECT_EQ(d.Combo1.Text.get(), "7");
    EXPECT_TRUE(d.Combo1.Enabled.get());
    EXPECT_EQ(selected(d), "O");

    d.Combo1.userChoose(11);
    click(d.Option3);
    EXPECT_EQ(w.table.playto, "12") << "each choice goes into the game's table at once";
    EXPECT_EQ(w.table.playas, "R");
    EXPECT_EQ(file("\\tictacto.dat"), "7") << "the files wait for the close";
    closeDialog();
    EXPECT_TRUE(w.Enabled.get());
    EXPECT_EQ(file("\\tictacto.dat"), "12");
    EXPECT_EQ(file("\\tictacwhat.dat"), "R");
    EXPECT_EQ(platform::loaded<tictacsettings>(), nullptr);

    // Closed untouched, it writes what it shows: a lost file comes back.
    std::filesystem::remove(programDir() / "tictacwhat.dat");
    preferences(w);
    closeDialog();
    EXPECT_EQ(file("\\tictacto.dat"), "12");
    EXPECT_EQ(file("\\tictacwhat.dat"), "R");
}

TEST_F(TicTacSettings, PlayToIsLockedOnceASideOfTheMatchHasWonAGameButNotByDraws) {
    tictactoe& w = openTicTac();
    boxes.expect("Cat", vbOK);
    play(w, {1, 3, 8, 6, 7});
    EXPECT_TRUE(preferences(w).Combo1.Enabled.get()) << "a Cat wins nothing";
    closeDialog();

    chooseMenu(w.newgame2);
    boxes.expect("Computer Wins", vbOK);
    play(w, {1, 2, 4});
    tictacsettings& d = preferences(w);
    EXPECT_FALSE(d.Combo1.Enabled.get());
    EXPECT_EQ(d.Combo1.Text.get(), "3");
    closeDialog();

    chooseMenu(w.newgame2);
    EXPECT_TRUE(preferences(w).Combo1.Enabled.get()) << "free again in the next match";
    closeDialog();
}

TEST_F(TicTacSettings, APlayToThatIsNoTargetShowsThree) {
    settings("X", "abc");
    tictactoe& w = openTicTac();
    EXPECT_EQ(preferences(w).Combo1.Text.get(), "3");
    closeDialog();
    EXPECT_EQ(file("\\tictacto.dat"), "3");
}

TEST_F(TicTacSettings, AnUnknownPlayAsSelectsNothingAndSurvivesTheClose) {
    settings("Z", "3");
    tictactoe& w = openTicTac();
    EXPECT_EQ(selected(preferences(w)), "");
    closeDialog();
    EXPECT_EQ(file("\\tictacwhat.dat"), "Z");
}

// A game that ends while the dialog is open reads the old files back into the holders; what the
// dialog shows is still what its close writes.
TEST_F(TicTacSettings, ChoicesSurviveAGameEndingWhileTheDialogIsOpen) {
    tictactoe& w = openTicTac();
    play(w, {1, 2});
    click(w.Picture1[4]);
    ASSERT_TRUE(w.Timer1.running()) << "the computer's winning move is pending";
    tictacsettings& d = preferences(w);
    d.Combo1.userChoose(0);
    click(d.Option2);

    // The new target counts at once: the game's end asks the match question.
    boxes.expect("Computer Wins", vbOK);
    boxes.expect("You Lost the match! Play again?", vbNo);
    computerMove();
    boxes.verifyAllUsed();
    EXPECT_EQ(w.table.playto, "3") << "the next game read the old file";
    EXPECT_EQ(w.table.playas, "X");
    EXPECT_FALSE(w.Enabled.get()) << "still locked by the open dialog";

    closeDialog();
    EXPECT_EQ(file("\\tictacto.dat"), "1");
    EXPECT_EQ(file("\\tictacwhat.dat"), "O");
    EXPECT_EQ(w.table.playto, "1");
    EXPECT_EQ(w.table.playas, "O");
    chooseMenu(w.newgame2);
    EXPECT_EQ(w.Label1.Caption.get(), "Guest: O's");
}

TEST_F(TicTacSettings, TheDialogStaysOpenWhenTheGameCloses) {
    tictactoe& w = openTicTac();
    tictacsettings& d = preferences(w);
    click(d.Option3);
    platform::unload<tictactoe>();
    settle();
    ASSERT_NE(platform::loaded<tictacsettings>(), nullptr);
    closeDialog();
    EXPECT_EQ(file("\\tictacwhat.dat"), "R");
    EXPECT_EQ(file("\\tictacto.dat"), "3");
}

}  // namespace
