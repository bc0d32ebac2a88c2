#include "tictactoe_fixture.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace tictactoerules;

namespace {

// Seeded runs of random gestures through the real routing: cells clicked whether or not they take
// the click, the clock moved on, every menu item, the settings dialog changed and closed at any
// moment, the window closed and opened again, and every box answered either way. After each step the
// board must agree with its counts, hold no finished game, and wait for someone.
class TicTacToeRandomPlay : public TicTacToeTest {
protected:
    gp::RandomPlay play;

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
            if (dialog && dialog->Combo1.Enabled) dialog->Combo1.userChoose(pick(3));
        } else if (roll < 187) {
            if (dialog) {
                platform::OptionButton* options[] = {&dialog->Option1, &dialog->Option2, &dialog->Option3};
                click(*options[pick(3)]);
            }
        } else if (roll < 199) {
            if (dialog) close(*dialog);
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
            EXPECT_EQ(w.Picture1[cell].Tag.get(), std::to_string(t.tag[cell])) << "cell " << cell;
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
        } else {
            EXPECT_TRUE(enabledEmpty == 0 || enabledEmpty == empty) << "the computer's turn";
        }
        EXPECT_EQ(w.Label3.Caption.get(), "Wins: " + std::to_string(t.playerwins));
        EXPECT_EQ(w.Label4.Caption.get(), "Wins: " + std::to_string(t.compwins));
        EXPECT_EQ(w.Text1.Text.get(), std::to_string(t.playerwins));
        EXPECT_EQ(w.Text2.Text.get(), std::to_string(t.compwins));
        EXPECT_NE(t.playermark, t.compmark);
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
    EXPECT_FALSE(play.prompts().empty());
}

}  // namespace
