#include "foreaft_solver.h"

#include "games/towers-foreaft/foreaft.h"

#include "common/scaling.h"
#include "platform/files.h"
#include "support/game_window_test.h"

#include <set>
#include <string>
#include <vector>

namespace {

using platform::vbNo;
using platform::vbYes;

constexpr const char* kWin = "You Win! Play again?";

class ForeAftTest : public gp::GameWindowTest {
protected:
    ForeAftTest() : GameWindowTest("foreaft") {}

    foreaft& openWith(const std::string& backwards) {
        platform::writeSetting("\\backwards.dat", backwards);
        return openGame<foreaft>();
    }

    static bool moving(const foreaft& w) { return w.Timer1.Enabled || w.Timer2.Enabled; }

    // Runs the virtual clock until the move has ended; returns the ticks it took.
    int finish(foreaft& w) {
        int ticks = 0;
        while (moving(w) && ticks < 200) {
            advance(15);
            ++ticks;
        }
        EXPECT_FALSE(moving(w)) << "the move never ends";
        return ticks;
    }

    // A click on the piece and the move it starts, played to its end; false when nothing moved.
    bool play(foreaft& w, int piece) {
        click(w.picture2[piece]);
        if (!moving(w)) return false;
        finish(w);
        return true;
    }

    static double restLeft(const foreaft& w, int cell, float scale) {
        return w.Picture1[cell].Left + core::scaled(160, scale);
    }
    static double restTop(const foreaft& w, int cell, float scale) {
        return w.Picture1[cell].Top + core::scaled(150, scale);
    }

    // Every piece at rest on its cell, or less than a step past it along its last move.
    static void expectAtRest(const foreaft& w, float scale) {
        for (int p = 1; p <= 16; ++p) {
            const int cell = w.board.piecepos[p];
            EXPECT_GE(w.picture2[p].Left, restLeft(w, cell, scale) - 40) << "piece " << p;
            EXPECT_LT(w.picture2[p].Left, restLeft(w, cell, scale) + 40) << "piece " << p;
            EXPECT_GE(w.picture2[p].Top, restTop(w, cell, scale) - 40) << "piece " << p;
            EXPECT_LT(w.picture2[p].Top, restTop(w, cell, scale) + 40) << "piece " << p;
            EXPECT_TRUE(w.picture2[p].Enabled) << "piece " << p;
        }
    }

    static void expectStart(const foreaft& w) {
        for (int p = 1; p <= 16; ++p) {
            EXPECT_EQ(w.board.piecepos[p], p <= 8 ? p : p + 1) << p;
            EXPECT_DOUBLE_EQ(w.picture2[p].Left, restLeft(w, w.board.piecepos[p], 1)) << p;
            EXPECT_DOUBLE_EQ(w.picture2[p].Top, restTop(w, w.board.piecepos[p], 1)) << p;
            EXPECT_TRUE(w.picture2[p].Enabled) << p;
        }
        EXPECT_EQ(w.board.emptycell, 9);
        EXPECT_FALSE(moving(w));
    }
};

TEST_F(ForeAftTest, ThePuzzleIsSolvedByClicksWithEveryMoveAnimated) {
    auto& w = openWith("NO");
    const std::vector<int> clicks = foreafttest::solution();
    ASSERT_FALSE(clicks.empty());
    boxes.expect(kWin, vbYes);
    for (std::size_t k = 0; k < clicks.size(); ++k) {
        const int p = clicks[k];
        const double left = w.picture2[p].Left;
        const double top = w.picture2[p].Top;
        click(w.picture2[p]);
        ASSERT_TRUE(moving(w)) << "move " << k + 1 << ": piece " << p;
        advance(15);
        EXPECT_TRUE(w.picture2[p].Left != left || w.picture2[p].Top != top) << "the first step shows";
        EXPECT_GT(finish(w), 10) << "a move takes many steps";
        EXPECT_EQ(boxes.shown().size(), k + 1 == clicks.size() ? 1u : 0u) << "move " << k + 1;
    }
    EXPECT_EQ(sounds.played(), std::vector<std::string>(clicks.size(), "squirt.wav"));
    // Yes: the start again.
    expectStart(w);
}

TEST_F(ForeAftTest, TheQuestionWaitsForTheLastMoveToEndAndNoKeepsTheBoard) {
    auto& w = openWith("NO");
    const std::vector<int> clicks = foreafttest::solution();
    for (std::size_t k = 0; k + 1 < clicks.size(); ++k) ASSERT_TRUE(play(w, clicks[k]));
    click(w.picture2[clicks.back()]);
    advance(15);
    EXPECT_TRUE(boxes.shown().empty()) << "asked while the last piece still moves";
    boxes.expect(kWin, vbNo);
    finish(w);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Keep Playing?");
    EXPECT_TRUE(foreaftrules::won(w.board));
    expectAtRest(w, 1);
    // Without backward moves no piece can move on the won board.
    for (int p = 1; p <= 16; ++p) EXPECT_FALSE(play(w, p)) << p;
}

TEST_F(ForeAftTest, ExactlyEightPiecesMoveAtTheStart) {
    auto& w = openWith("NO");
    EXPECT_FALSE(w.picture2.exists(0));
    EXPECT_FALSE(w.Picture1.exists(0));
    EXPECT_FALSE(w.Line1.exists(0));
    expectStart(w);
    std::set<int> movers;
    for (int p = 1; p <= 16; ++p) {
        click(w.picture2[p]);
        if (moving(w)) movers.insert(p);
        chooseMenu(w.new_);
    }
    EXPECT_EQ(movers, (std::set<int>{3, 6, 7, 8, 9, 10, 11, 14}));
    EXPECT_EQ(sounds.played().size(), 8u);
    expectStart(w);
}

TEST_F(ForeAftTest, JumpsPassOverEitherColourAndLeaveItInPlace) {
    auto& w = openWith("NO");
    ASSERT_TRUE(play(w, 3));  // over green 6, down into cell 9
    EXPECT_EQ(w.board.piecepos[3], 9);
    EXPECT_EQ(w.board.piecepos[6], 6);
    EXPECT_EQ(w.board.emptycell, 3);
    chooseMenu(w.new_);
    ASSERT_TRUE(play(w, 8));  // green 8 slides right into cell 9
    ASSERT_TRUE(play(w, 9));  // red 9 jumps left from cell 10 over green 8 into cell 8
    EXPECT_EQ(w.board.piecepos[9], 8);
    EXPECT_EQ(w.board.piecepos[8], 9);
    EXPECT_EQ(w.board.emptycell, 10);
    expectAtRest(w, 1);
}

// The setting file's text decides the rule and the tick: only "YES" allows backward moves.
TEST_F(ForeAftTest, BackwardMovesFollowTheSettingAndItsTick) {
    struct Case {
        const char* setting;
        bool backwards;
    };
    const Case cases[] = {{"YES", true}, {"NO", false}, {"", false}, {"maybe", false}, {"yes", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE('"' + std::string(c.setting) + '"');
        auto& w = openWith(c.setting);
        EXPECT_EQ(w.backwordsmoves.Checked, c.backwards);
        EXPECT_EQ(w.nobackwardsmoves.Checked, !c.backwards);
        ASSERT_TRUE(play(w, 8));
        EXPECT_EQ(play(w, 8), c.backwards) << "green 8 back to the left";
        EXPECT_EQ(w.board.piecepos[8], c.backwards ? 8 : 9);
        w.Unload();
        settle();
    }
}

TEST_F(ForeAftTest, TheSettingsMenuWritesTheRuleForTheNextClick) {
    auto& w = openWith("NO");
    ASSERT_TRUE(play(w, 8));
    chooseMenu(w.backwordsmoves);
    EXPECT_EQ(platform::readFile("\\backwards.dat"), "YES\r\n");
    EXPECT_TRUE(w.backwordsmoves.Checked);
    EXPECT_FALSE(w.nobackwardsmoves.Checked);
    EXPECT_EQ(w.board.piecepos[8], 9) << "the board stays";
    EXPECT_TRUE(play(w, 8));
    chooseMenu(w.nobackwardsmoves);
    EXPECT_EQ(platform::readFile("\\backwards.dat"), "NO\r\n");
    EXPECT_FALSE(w.backwordsmoves.Checked);
    EXPECT_TRUE(w.nobackwardsmoves.Checked);
    ASSERT_TRUE(play(w, 8));
    EXPECT_FALSE(play(w, 8));
}

TEST_F(ForeAftTest, AClickDuringAMoveIsIgnored) {
    auto& w = openWith("NO");
    click(w.picture2[8]);
    advance(15);
    const double left3 = w.picture2[3].Left, top3 = w.picture2[3].Top;
    EXPECT_FALSE(w.picture2[3].Enabled);
    click(w.picture2[3]);
    click(w.picture2[10]);
    EXPECT_EQ(w.board.clicked, 8);
    finish(w);
    EXPECT_EQ(w.board.piecepos[8], 9);
    EXPECT_EQ(w.board.piecepos[3], 3);
    EXPECT_DOUBLE_EQ(w.picture2[3].Left, left3);
    EXPECT_DOUBLE_EQ(w.picture2[3].Top, top3);
    EXPECT_EQ(sounds.played().size(), 1u);
    expectAtRest(w, 1);
}

// At 640 x 480 a step right, down or up is 40 x 0.78 twips, a step left 40 twips, and a move ends
// on the first step that reaches or passes its rest.
TEST_F(ForeAftTest, MovesStepAtTheScaleButLeftAlwaysByFortyTwips) {
    setScreen(640, 480);
    auto& w = openWith("YES");
    const float scale = 0.78f;
    const double step = core::scaled(40, scale);
    EXPECT_DOUBLE_EQ(step, double(40 * scale));
    struct Case {
        int piece;
        bool vertical;
        double stride;
        const char* what;
    };
    const Case cases[] = {
        {8, false, step, "green 8 right into 9"},   {8, false, -40, "green 8 back left into 8"},
        {6, true, step, "green 6 down into 9"},     {6, true, -step, "green 6 back up into 6"},
        {7, false, step, "green 7 jumps right into 9"}, {7, false, -40, "green 7 jumps back left"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int target = w.board.emptycell;
        click(w.picture2[c.piece]);
        ASSERT_TRUE(moving(w));
        std::vector<double> places;
        for (int ticks = 0; moving(w) && ticks < 100; ++ticks) {
            advance(15);
            places.push_back(c.vertical ? w.picture2[c.piece].Top : w.picture2[c.piece].Left);
        }
        ASSERT_GE(places.size(), 2u);
        for (std::size_t k = 1; k < places.size(); ++k) EXPECT_NEAR(places[k] - places[k - 1], c.stride, 1e-9);
        const double rest = c.vertical ? restTop(w, target, scale) : restLeft(w, target, scale);
        const double past = (places.back() - rest) * (c.stride > 0 ? 1 : -1);
        EXPECT_GE(past, 0);
        EXPECT_LT(past, std::abs(c.stride));
        const double before = places[places.size() - 2];
        EXPECT_LT((rest - before) * (c.stride > 0 ? 1 : -1), std::abs(c.stride) + 1e-9) << "ended a step late";
        EXPECT_GT((rest - before) * (c.stride > 0 ? 1 : -1), 0) << "ended a step late";
        EXPECT_EQ(w.board.piecepos[c.piece], target);
    }
}

// New Game during a move drops the move: both timers stop, every piece takes clicks again, and the
// moving piece is back on its start cell. A vertical move whose piece already stands in the new
// empty cell's column would otherwise never end.
TEST_F(ForeAftTest, NewGameDuringAMoveStartsACleanBoard) {
    for (int piece : {8, 3}) {
        SCOPED_TRACE(piece);
        auto& w = openWith("NO");
        click(w.picture2[piece]);
        advance(45);
        ASSERT_TRUE(moving(w));
        chooseMenu(w.new_);
        expectStart(w);
        advance(1000);
        expectStart(w);
        EXPECT_TRUE(play(w, piece)) << "the piece moves again from its start";
        EXPECT_EQ(w.board.piecepos[piece], 9);
        w.Unload();
        settle();
    }
}

TEST_F(ForeAftTest, TheSoundIsHeardOncePerAcceptedMoveWhileSwitchedOn) {
    auto& w = openWith("NO");
    EXPECT_TRUE(w.onsound.Checked);
    EXPECT_FALSE(play(w, 1));
    EXPECT_TRUE(sounds.played().empty()) << "a refused click is silent";
    ASSERT_TRUE(play(w, 8));
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"squirt.wav"});
    chooseMenu(w.off);
    EXPECT_EQ(platform::readFile("\\Data\\foreaftsound.dat"), "NO\r\n");
    EXPECT_TRUE(w.off.Checked);
    EXPECT_FALSE(w.onsound.Checked);
    ASSERT_TRUE(play(w, 9));
    EXPECT_EQ(sounds.played().size(), 1u);
    chooseMenu(w.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\foreaftsound.dat"), "YES\r\n");
    ASSERT_TRUE(play(w, 10));
    EXPECT_EQ(sounds.played().size(), 2u);
}

// Settings stands after Sound, and the board has no Help menu.
TEST_F(ForeAftTest, MenusStandInTheirDesignOrder) {
    auto& w = openWith("NO");
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Sound", "Settings", "Help"}));
    EXPECT_FALSE(w.help.Visible);
    EXPECT_TRUE(w.Settings.Visible);
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.Settings), (std::vector<std::string>{"Backwards Moves", "No Backwards Moves"}));
}

TEST_F(ForeAftTest, OpensAtItsDesignPlaceAndLocksTheMainWindowOnlyWhenActive) {
    struct Case {
        int width, height;
        float scale;
    };
    const Case cases[] = {{640, 480, 0.78f}, {800, 600, 1}, {1024, 768, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        auto& main = open<gp::mainstandin>();
        auto& w = platform::window<foreaft>();
        EXPECT_TRUE(main.Enabled) << "the load leaves the main window alone";
        w.Show();
        settle();
        EXPECT_FALSE(main.Enabled);
        const double s = c.scale;
        EXPECT_EQ(w.Caption.get(), "Fore and Aft");
        EXPECT_DOUBLE_EQ(w.ScaleWidth(), 4725 * s - 120 * (1 - s));
        // Not centred: the client area's left edge at 4290 twips of the design.
        EXPECT_DOUBLE_EQ(w.Left, (4290 - 60) * s);
        EXPECT_DOUBLE_EQ(w.Picture1[17].Left, 3480 * s);
        EXPECT_DOUBLE_EQ(w.Picture1[17].Width, 735 * s);
        EXPECT_DOUBLE_EQ(w.picture2[16].Width, 495 * s);
        EXPECT_DOUBLE_EQ(w.Line1[12].X2, 4200 * s);
        EXPECT_DOUBLE_EQ(w.Line1[12].Y1, 4080 * s);
        EXPECT_DOUBLE_EQ(w.picture2[16].Left, w.Picture1[17].Left + core::scaled(160, c.scale));
        EXPECT_TRUE(showsFile(w.Picture1[1], "\\Images\\white.bmp"));
        EXPECT_EQ(w.picture2[1].Picture, w.Image2.Picture);
        EXPECT_EQ(w.picture2[16].Picture, w.Image3.Picture);
        EXPECT_FALSE(w.Image2.Visible);
        chooseMenu(w.exit);
        settle();
        EXPECT_TRUE(main.Enabled);
        main.Unload();
        settle();
    }
}

}  // namespace
