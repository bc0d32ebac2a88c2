#include "tictactoe_fixture.h"

#include "common/names.h"
#include "platform/files.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace tictactoerules;

namespace {

// Seeded runs of random gestures through the real routing: cells clicked whether or not they take
// the click, the clock moved on, every menu item, the settings dialog changed and closed at any
// moment (and what it showed found in both files after), the setting files damaged behind its back,
// the window closed and opened again, and every box answered either way. After each step the board
// must agree with its counts, hold no finished game, and wait for someone: the side the arrow points
// at and the turn's counts agree with which cells take a click and whether the computer's move is
// pending.
class TicTacToeRandomPlay : public TicTacToeTest {
protected:
    gp::RandomPlay play;
    int dialogsClosed = 0;

    int pick(int n) { return play.pick(n); }

    tictactoe& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        return open<tictactoe>();
    }

    void step(tictactoe& w) {
        tictacsettings* dialog = platform::loaded<tictacsettings>();
        const int roll = pick(200);
        if (roll < 50) {
            click(w.Picture1[1 + pick(9)]);
        } else if (roll < 110) {
            // The cell the computer's own rules would choose for the user, so that games are drawn
            // and now and then won as well as lost.
            TicTacToeTable mirror = w.table;
            std::swap(mirror.playermark, mirror.compmark);
            std::swap(mirror.playermoves, mirror.compmoves);
            compturn(mirror, [this](int n) { return 1 + pick(n); });
            click(w.Picture1[mirror.compcell]);
        } else if (roll < 160) {
            advance(1 + pick(2000));
        } else if (roll < 170) {
            platform::Menu* items[] = {&w.newgame2, &w.onsound, &w.off, &w.rules};
            chooseMenu(*items[pick(4)]);
        } else if (roll < 173) {
            chooseMenu(w.pref);
        } else if (roll < 181) {
            // Mostly short matches, so that their questions come often.
            if (dialog && dialog->Combo1.Enabled) dialog->Combo1.userChoose(pick(4) ? pick(3) : pick(15));
        } else if (roll < 187) {
            if (dialog) {
                platform::OptionButton* options[] = {&dialog->Option1, &dialog->Option2, &dialog->Option3};
                click(*options[pick(3)]);
            }
        } else if (roll < 196) {
            if (dialog) closeDialog(*dialog);
        } else if (roll < 199) {
            damageSettings();
        } else {
            pick(2) ? chooseMenu(w.exit) : close(w);
        }
        settle();
    }

    void checkBoard(tictactoe& w) {
        const TicTacToeTable& t = w.table;
        tictacsettings* dialog = platform::loaded<tictacsettings>();
        EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled) << "the main window is locked";
        EXPECT_EQ(w.Enabled.get(), dialog == nullptr) << "the dialog locks the game while it is open";

        int player = 0, computer = 0, empty = 0, enabledEmpty = 0;
        for (int cell = 1; cell <= kCells; ++cell) {
            player += t.tag[cell] == t.playermark;
            computer += t.tag[cell] == t.compmark;
            empty += t.tag[cell] == kEmpty;
            if (w.Picture1[cell].Enabled) {
                EXPECT_EQ(t.tag[cell], kEmpty) << "a marked cell takes a click: " << cell;
                ++enabledEmpty;
            }
        }
        EXPECT_EQ(player, t.playermoves);
        EXPECT_EQ(computer, t.compmoves);
        EXPECT_FALSE(anyline(t.tag)) << "a finished game is cleared at once";
        EXPECT_GT(empty, 0) << "a full board is cleared at once";
        EXPECT_FALSE(t.catgame);
        if (!w.Timer1.running()) {
            EXPECT_EQ(enabledEmpty, empty) << "the user's turn: every empty cell takes a click";
            EXPECT_TRUE(t.playermoves <= t.compmoves && t.compmoves <= t.playermoves + 1) << "the user's turn";
        } else {
            EXPECT_TRUE(enabledEmpty == 0 || enabledEmpty == empty) << "the computer's turn";
            EXPECT_TRUE(t.compmoves <= t.playermoves && t.playermoves <= t.compmoves + 1) << "the computer's turn";
            if (enabledEmpty > 0) {
                EXPECT_EQ(marksplaced(t), 0) << "only the opening wait for the computer takes a click";
                EXPECT_EQ(t.playermark, kX);
            }
        }
        EXPECT_EQ(arrowAtUser(w), enabledEmpty > 0) << "the arrow points at the side that moves";
        EXPECT_EQ(w.Label1.Caption.get(), w.playername + (t.playermark == kX ? ": X's" : ": O's"));
        EXPECT_EQ(w.Label2.Caption.get(), w.oppname + (t.compmark == kX ? ": X's" : ": O's"));
        EXPECT_NE(std::ranges::find(common::oppnames, w.oppname), common::oppnames.end()) << w.oppname;
        EXPECT_EQ(w.Label3.Caption.get(), "Wins: " + std::to_string(t.playerwins));
        EXPECT_EQ(w.Label4.Caption.get(), "Wins: " + std::to_string(t.compwins));
        board(w);
        EXPECT_NE(t.playermark, t.compmark);
    }

    // The dialog writes what it shows, whatever the game read back into its table meanwhile; with
    // no mark chosen the table's play-as goes back unchanged.
    void closeDialog(tictacsettings& dialog) {
        const std::string playto = dialog.Combo1.Text.get();
        const char* playas = dialog.Option1.Value ? "X" : dialog.Option2.Value ? "O" : dialog.Option3.Value ? "R" : nullptr;
        const std::string held = platform::loaded<tictactoe>()->table.playas;
        close(dialog);
        ++dialogsClosed;
        ASSERT_EQ(platform::loaded<tictacsettings>(), nullptr);
        EXPECT_EQ(platform::readSetting("\\tictacto.dat"), playto);
        EXPECT_EQ(platform::readSetting("\\tictacwhat.dat"), playas ? std::string(playas) : held);
        EXPECT_EQ(tictactoerules::playto(playto), std::stoi(playto)) << "the dialog shows a target it plays to";
    }

    // Setting files changed outside the program: a target that is no whole number from 1 to 15
    // plays to 3, and a mark that is neither "X" nor "O" is drawn.
    void damageSettings() {
        const char* playto[] = {"", "0", "16", "abc", "1", "1", "2", "15"};
        const char* playas[] = {"", "x", "Q", "R", "O", "X"};
        if (pick(2))
            platform::writeSetting("\\tictacto.dat", playto[pick(8)]);
        else
            platform::writeSetting("\\tictacwhat.dat", playas[pick(6)]);
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFailure(); ++n) {
            tictactoe* w = platform::loaded<tictactoe>();
            if (!w) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                if (tictacsettings* dialog = platform::loaded<tictacsettings>()) close(*dialog);
                settle();
                w = &openAgain();
            }
            SCOPED_TRACE("step " + std::to_string(n));
            step(*w);
            if (tictactoe* open = platform::loaded<tictactoe>()) checkBoard(*open);
        }
    }
};

TEST_F(TicTacToeRandomPlay, TheBoardAlwaysAgreesWithItsCountsAndWaitsForSomeone) {
    for (std::uint32_t seed : {7u, 2024u, 99u}) run(seed, 1500);
    // The runs reached every ending and both match questions.
    for (const char* prompt : {"You Win", "Computer Wins", "Cat", "You win the match! Play again?",
                               "You Lost the match! Play again?"})
        EXPECT_NE(std::ranges::find(play.prompts(), std::string(prompt)), play.prompts().end()) << prompt;
    EXPECT_GT(dialogsClosed, 0);
}

}  // namespace
