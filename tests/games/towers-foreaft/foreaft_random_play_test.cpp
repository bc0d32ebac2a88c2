#include "foreaft_solver.h"

#include "games/towers-foreaft/foreaft.h"

#include "common/scaling.h"
#include "core/numbers.h"
#include "platform/files.h"

#include "support/fakes.h"
#include "support/game_window_test.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

using namespace foreaftrules;

namespace {

constexpr const char* kWin = "You Win! Play again?";

// Seeded runs of random gestures through the real routing: clicks on pieces (movable or not,
// during a move or idle), on cells and the background, the clock run on by a tick or by seconds,
// New Game at any moment, both settings and odd texts in the setting file, the sound switch, the
// known solution played out, the window closed during a move and opened again, every question
// answered either way. After each step the board must hold each cell once, be either idle with
// every piece taking clicks or moving one piece by one timer, show its pieces at rest, tick the
// rule in force, and have asked exactly when a move ended on the exchanged board.
class ForeAftRandomPlay : public gp::GameWindowTest {
protected:
    ForeAftRandomPlay() : GameWindowTest("foreaft") {}

    gp::RandomPlay play;
    float scale = 1;

    int pick(int n) { return play.pick(n); }

    foreaft& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        foreaft& w = open<foreaft>();
        w.topLevel()->setUpdatesEnabled(false);
        return w;
    }

    static bool moving(const foreaft& w) { return w.Timer1.running() || w.Timer2.running(); }

    // The solution from the start, each move played to its end; stops at the question.
    void solve(foreaft& w) {
        chooseMenu(w.nobackwardsmoves);
        chooseMenu(w.new_);
        const std::size_t before = play.prompts().size();
        for (int p : foreafttest::solution()) {
            click(w.picture2[p]);
            for (int ticks = 0; ticks < 100 && moving(w); ++ticks) advance(15);
            if (play.prompts().size() != before) return;
        }
    }

    void step(foreaft& w) {
        const int roll = pick(1000);
        if (roll < 400) {
            click(w.picture2[1 + pick(kPieces)]);
        } else if (roll < 430) {
            click(w.Picture1[1 + pick(kCells)]);
        } else if (roll < 450) {
            clickAt(w, pick(int(w.ScaleWidth())), pick(int(w.ScaleHeight())));
        } else if (roll < 650) {
            advance(1 + pick(60));
        } else if (roll < 800) {
            advance(100 + pick(1000));
        } else if (roll < 805) {
            solve(w);
        } else if (roll < 880) {
            platform::Menu* items[] = {&w.onsound, &w.off, &w.backwordsmoves, &w.nobackwardsmoves};
            chooseMenu(*items[pick(4)]);
        } else if (roll < 900) {
            // A text the menus never write, read by the next new game.
            const char* texts[] = {"", "yes", "NO ", "Maybe"};
            platform::writeSetting("\\backwards.dat", texts[pick(4)]);
        } else if (roll < 950) {
            chooseMenu(w.new_);
        } else if (roll < 960) {
            if (pick(2)) {
                chooseMenu(w.exit);
            } else {
                close(w);
            }
        } else {
            advance(15);
        }
    }

    // The rest of a piece on a cell, window twips.
    double restLeft(const foreaft& w, int cell) const { return w.Picture1[cell].Left + core::scaled(160, scale); }
    double restTop(const foreaft& w, int cell) const { return w.Picture1[cell].Top + core::scaled(150, scale); }

    // What must hold after every step while the window is open.
    void checkBoard(foreaft& w, bool wasWon, std::size_t promptsBefore, const std::string& where) {
        SCOPED_TRACE(where);
        const ForeAftBoard& b = w.board;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the board is open";

        bool seen[kCells + 1] = {};
        ASSERT_TRUE(b.emptycell >= 1 && b.emptycell <= kCells);
        seen[b.emptycell] = true;
        for (int p = 1; p <= kPieces; ++p) {
            const int c = b.piecepos[p];
            ASSERT_TRUE(c >= 1 && c <= kCells) << "piece " << p;
            EXPECT_FALSE(seen[c]) << "cell " << c << " holds one piece or is the empty one";
            seen[c] = true;
        }

        const bool vertical = w.Timer1.running();
        const bool across = w.Timer2.running();
        EXPECT_FALSE(vertical && across) << "one move at a time";
        const int mover = core::toInt(w.Text1.Text.get(), 0);
        const double step = std::max(40.0, double(core::scaled(40, scale)));
        for (int p = 1; p <= kPieces; ++p) {
            const platform::Image& piece = w.picture2[p];
            EXPECT_EQ(piece.Enabled.get(), !(vertical || across)) << "pieces take clicks exactly while idle";
            const int c = b.piecepos[p];
            const double dx = piece.Left - restLeft(w, c);
            const double dy = piece.Top - restTop(w, c);
            if ((vertical || across) && p == mover) {
                // On its way from its cell to the empty one, along the move's axis.
                const double toX = restLeft(w, b.emptycell) - restLeft(w, c);
                const double toY = restTop(w, b.emptycell) - restTop(w, c);
                EXPECT_TRUE(vertical ? std::abs(toX) < 1 : std::abs(toY) < 1) << "the timer matches the move";
                EXPECT_LT(std::abs(vertical ? dx : dy), step) << "piece " << p << " leaves its axis alone";
                const double along = vertical ? dy : dx;
                const double to = vertical ? toY : toX;
                EXPECT_TRUE(along * to >= -step * std::abs(to) && std::abs(along) < std::abs(to) + step)
                    << "piece " << p << " between its cell and the empty one";
            } else {
                EXPECT_LT(std::abs(dx), step) << "piece " << p << " rests on cell " << c;
                EXPECT_LT(std::abs(dy), step) << "piece " << p << " rests on cell " << c;
            }
        }

        const bool yes = w.RichTextBox1.Text.get() == "YES";
        EXPECT_EQ(w.backwordsmoves.Checked.get(), yes) << "the tick tells the rule in force";
        EXPECT_EQ(w.nobackwardsmoves.Checked.get(), !yes);
        const bool on = w.RichTextBox9.Text.get() == "YES";
        EXPECT_EQ(w.onsound.Checked.get(), on);
        EXPECT_EQ(w.off.Checked.get(), !on);

        const bool asked = play.prompts().size() != promptsBefore;
        if (asked) {
            EXPECT_EQ(play.prompts().back(), kWin);
            EXPECT_FALSE(moving(w)) << "asked once the move has ended";
            EXPECT_TRUE(won(b) || (b.emptycell == kMiddle && b.piecepos[1] == 1)) << "No keeps the board, Yes starts";
        } else if (won(b) && !wasWon && !moving(w)) {
            ADD_FAILURE() << "a move ended on the exchanged board without the question";
        }
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int k = 0; k < steps && !HasFatalFailure(); ++k) {
            foreaft* w = platform::loaded<foreaft>();
            if (!w) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the board released the main window";
                }
                w = &openAgain();
            }
            const bool wasWon = won(w->board);
            const std::size_t before = play.prompts().size();
            step(*w);
            if (foreaft* open = platform::loaded<foreaft>()) checkBoard(*open, wasWon, before, "step " + std::to_string(k));
            if (HasFailure()) break;
        }
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before) << "nothing is asked on the way out";
    }
};

TEST_F(ForeAftRandomPlay, TheBoardAlwaysAnswersAndKeepsEachCellOnce) {
    for (std::uint32_t seed : {51u, 52u}) {
        run(seed, 2000);
        if (HasFailure()) break;
    }
}

TEST_F(ForeAftRandomPlay, TheSameHoldsOnTheSmallScreen) {
    setScreen(640, 480);
    scale = 0.78f;
    run(54, 1500);
}

}  // namespace
