#include "games/towers-foreaft/towers.h"

#include "common/rules.h"
#include "platform/files.h"
#include "support/game_window_test.h"

#include <set>
#include <string>
#include <vector>

namespace {

using platform::vbNo;
using platform::vbYes;

constexpr const char* kWin = "You Win! Play again?";

class TowersTest : public gp::GameWindowTest {
protected:
    TowersTest() : GameWindowTest("hanoi") {}

    // A drag of the disc released over the bare top of the peg's picture, above any stack.
    void dropOn(towers& w, int disc, int peg) { drag(w.piece[disc], w.Image1[peg], w.Image1[peg].Width / 2, 150); }

    static std::set<int> draggable(const towers& w) {
        std::set<int> discs;
        for (auto& [d, disc] : w.piece)
            if (disc->DragMode == platform::vbAutomatic) discs.insert(d);
        return discs;
    }

    // Every disc where the design puts it for its peg and its height in that peg's stack.
    static void expectPlaced(const towers& w, float scale) {
        const auto& d = towersrules::design(w.table.n);
        std::vector<int> height(4, 0);
        for (int disc = w.table.n; disc >= 1; --disc) {
            const int peg = w.table.piecepeg[disc];
            ++height[peg];
            EXPECT_DOUBLE_EQ(w.piece[disc].Left, float(d.left[disc][peg]) * scale) << "disc " << disc;
            EXPECT_DOUBLE_EQ(w.piece[disc].Top, float(d.top[height[peg]]) * scale) << "disc " << disc;
        }
    }

    // Moves the tower of `discs` from one peg to another by drags, the classic way; each drop must
    // be heard (the sound is on), since the last one may start a new game.
    void moveTower(towers& w, int discs, int from, int to, int spare) {
        if (discs == 0) return;
        moveTower(w, discs - 1, from, spare, to);
        const auto played = sounds.played().size();
        dropOn(w, discs, to);
        ASSERT_EQ(sounds.played().size(), played + 1) << "disc " << discs << " refused on peg " << to;
        moveTower(w, discs - 1, spare, to, from);
    }

    // The window, its pegs and its discs at the scale, opened and closed again.
    template <class T>
    void expectLayout(float scale, double clientHeight) {
        T& w = openGame<T>();
        const double s = scale;
        const bool small = scale != 1.0f;
        EXPECT_DOUBLE_EQ(w.Width, (10845 + 120) * s + (small ? 800 : 0));
        EXPECT_DOUBLE_EQ(w.Height, (clientHeight + 405 + 300) * s + (small ? 200 : 0));
        for (int p = 1; p <= 3; ++p) {
            EXPECT_DOUBLE_EQ(w.Image1[p].Left, towersrules::pegLeft(p) * s);
            EXPECT_DOUBLE_EQ(w.Image1[p].Top, 480 * s);
            EXPECT_DOUBLE_EQ(w.Image1[p].Width, 3390 * s);
            EXPECT_DOUBLE_EQ(w.Image1[p].Height, 5145 * s);
            EXPECT_EQ(w.Image1[p].Picture, w.Image1[1].Picture) << "one peg picture";
        }
        const auto& d = towersrules::design(w.table.n);
        for (int disc = 1; disc <= w.table.n; ++disc) {
            EXPECT_DOUBLE_EQ(w.piece[disc].Width, d.disc[disc].width * s) << disc;
            EXPECT_DOUBLE_EQ(w.piece[disc].Height, d.disc[disc].height * s) << disc;
        }
        expectPlaced(w, scale);
        // Centred on the screen.
        EXPECT_NEAR(w.Left + w.Width / 2, platform::screenWidthTwips() / 2, 1);
        w.Unload();
        settle();
    }

    template <class T>
    void solveThroughTheWindow(int n) {
        auto& w = openGame<T>();
        ASSERT_EQ(w.table.n, n);
        const auto asked = boxes.shown().size();
        sounds.clear();
        boxes.expect(kWin, vbYes);
        moveTower(w, n - 1, 1, 2, 3);
        dropOn(w, n, 3);
        EXPECT_EQ(boxes.shown().size(), asked) << "no question before the tower is complete";
        moveTower(w, n - 1, 2, 3, 1);
        ASSERT_EQ(boxes.shown().size(), asked + 1);
        EXPECT_EQ(boxes.shown().back().prompt, kWin);
        EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
        EXPECT_EQ(sounds.played(), std::vector<std::string>((1u << n) - 1, "flick.wav"));
        // Yes: a new game.
        EXPECT_EQ(w.table.pegcount[1], n);
        expectPlaced(w, 1);
        EXPECT_EQ(draggable(w), std::set<int>{1});
    }
};

TEST_F(TowersTest, TheFourFiveAndSixDiscTowersAreSolvedByDragging) {
    solveThroughTheWindow<towers1>(4);
    solveThroughTheWindow<towers2>(5);
    solveThroughTheWindow<towers3>(6);
}


TEST_F(TowersTest, EachSizeIsLaidOutAtItsScaleAndWidenedOnlyAt640x480) {
    struct Case {
        int width, height;
        float scale;
    };
    const Case cases[] = {{640, 480, 0.78f}, {800, 600, 1}, {1024, 768, 1}, {1280, 1024, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        expectLayout<towers1>(c.scale, 6225);
        expectLayout<towers2>(c.scale, 5910);
        expectLayout<towers3>(c.scale, 6015);
    }
}

TEST_F(TowersTest, OnlyTopDiscsCanBeDragged) {
    auto& w = openGame<towers1>();
    EXPECT_EQ(w.Caption.get(), "Towers of Hanoi");
    EXPECT_EQ(draggable(w), std::set<int>{1});
    // A press on a covered disc starts no drag: nothing moves.
    dropOn(w, 2, 3);
    EXPECT_EQ(w.table.piecepeg[2], 1);
    EXPECT_TRUE(sounds.played().empty());
    dropOn(w, 1, 3);
    EXPECT_EQ(draggable(w), (std::set<int>{1, 2}));
    dropOn(w, 2, 2);
    EXPECT_EQ(draggable(w), (std::set<int>{1, 2, 3}));
    dropOn(w, 1, 2);
    EXPECT_EQ(draggable(w), (std::set<int>{1, 3})) << "disc 2 lies under disc 1";
    expectPlaced(w, 1);
}

TEST_F(TowersTest, DropsOnASmallerDiscOrTheOwnPegAreRefusedSilently) {
    auto& w = openGame<towers2>();
    dropOn(w, 1, 2);
    dropOn(w, 2, 3);
    sounds.clear();
    struct Case {
        int disc, peg;
        bool accepted;
        const char* why;
    };
    const Case cases[] = {
        {2, 2, false, "onto the smaller disc 1"},
        {3, 3, false, "disc 3 lies under nothing but is refused on disc 2"},
        {2, 3, false, "back onto its own peg"},
        {1, 3, true, "onto the larger disc 2"},
        {3, 2, true, "onto the empty peg 2"},
    };
    for (const auto& c : cases) {
        const auto before = w.table.piecepeg;
        const auto played = sounds.played().size();
        dropOn(w, c.disc, c.peg);
        EXPECT_EQ(w.table.piecepeg[c.disc], c.accepted ? c.peg : before[c.disc]) << c.why;
        if (!c.accepted) {
            EXPECT_EQ(w.table.piecepeg, before) << c.why;
        }
        EXPECT_EQ(sounds.played().size(), played + (c.accepted ? 1 : 0)) << c.why;
        expectPlaced(w, 1);
    }
}

// The drop moves the disc that was dragged, from the peg it lies on, wherever the pointer rested
// before.
TEST_F(TowersTest, TheDropTakesTheDraggedDiscFromItsPeg) {
    auto& w = openGame<towers3>();
    dropOn(w, 1, 3);
    mouseMove(w.piece[4]);
    dropOn(w, 2, 2);
    EXPECT_EQ(w.table.piecepeg[2], 2);
    EXPECT_EQ(w.table.piecepeg[4], 1);
    mouseMove(w.piece[3]);
    dropOn(w, 1, 2);
    EXPECT_EQ(w.table.piecepeg[1], 2);
    EXPECT_EQ(w.table.pegcount[3], 0);
    EXPECT_EQ(w.table.pegtop[2], 1);
    expectPlaced(w, 1);
}

TEST_F(TowersTest, ADropOnADiscDoesNothing) {
    auto& w = openGame<towers1>();
    dropOn(w, 1, 3);
    drag(w.piece[2], w.piece[1]);
    EXPECT_EQ(w.table.piecepeg[2], 1);
    EXPECT_EQ(sounds.played().size(), 1u);
    expectPlaced(w, 1);
}

TEST_F(TowersTest, TheLargestDiscOnAnEmptyFirstPegLiesInItsColumn) {
    auto& w = openGame<towers1>();
    // Discs 1..3 to peg 3, disc 4 to peg 2, then back to the emptied peg 1.
    moveTower(w, 3, 1, 3, 2);
    dropOn(w, 4, 2);
    dropOn(w, 4, 1);
    EXPECT_EQ(w.table.piecepeg[4], 1);
    EXPECT_DOUBLE_EQ(w.piece[4].Left, 840);
    EXPECT_DOUBLE_EQ(w.piece[4].Top, 4000);
}

TEST_F(TowersTest, TheQuestionComesAfterEveryDropOnACompleteTowerUntilYes) {
    for (int target : {2, 3}) {
        SCOPED_TRACE("tower on peg " + std::to_string(target));
        auto& w = openGame<towers1>();
        const auto asked = boxes.shown().size();
        boxes.expect(kWin, vbNo);
        moveTower(w, 4, 1, target, 5 - target);
        EXPECT_EQ(boxes.shown().size(), asked + 1);
        // No leaves the tower; a refused drop back onto it asks again, a move away does not.
        EXPECT_EQ(w.table.pegcount[target], 4);
        boxes.expect(kWin, vbNo);
        dropOn(w, 1, target);
        EXPECT_EQ(boxes.shown().size(), asked + 2);
        dropOn(w, 1, 1);
        EXPECT_EQ(boxes.shown().size(), asked + 2);
        // Back on the tower: accepted, and asked once more; Yes starts again.
        boxes.expect(kWin, vbYes);
        dropOn(w, 1, target);
        EXPECT_EQ(boxes.shown().size(), asked + 3);
        EXPECT_EQ(w.table.pegcount[1], 4);
        expectPlaced(w, 1);
        w.Unload();
        settle();
        boxes.verifyAllUsed();
    }
}

TEST_F(TowersTest, ATowerBackOnTheFirstPegIsNoWin) {
    auto& w = openGame<towers1>();
    moveTower(w, 3, 1, 2, 3);
    moveTower(w, 3, 2, 1, 3);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(w.table.pegcount[1], 4);
}

TEST_F(TowersTest, NewGameMidGameStacksTheDiscsAgain) {
    auto& w = openGame<towers3>();
    moveTower(w, 3, 1, 3, 2);
    dropOn(w, 4, 2);
    chooseMenu(w.newgame1);
    EXPECT_EQ(w.table.pegcount[1], 6);
    EXPECT_EQ(w.table.pegtop[2], 0);
    EXPECT_EQ(w.table.pegtop[3], 0);
    EXPECT_EQ(draggable(w), std::set<int>{1});
    expectPlaced(w, 1);
}

// Each size's Sound items write the one switch that all three read at load.
TEST_F(TowersTest, TheSoundSwitchIsOneSettingForTheThreeSizes) {
    auto& medium = openGame<towers2>();
    EXPECT_TRUE(medium.onsound.Checked);
    chooseMenu(medium.off);
    EXPECT_EQ(platform::readFile("\\Data\\hanoisound.dat"), "NO\r\n");
    EXPECT_TRUE(medium.off.Checked);
    EXPECT_FALSE(medium.onsound.Checked);
    dropOn(medium, 1, 2);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(medium.exit);
    settle();

    auto& small = openGame<towers1>();
    EXPECT_TRUE(small.off.Checked);
    EXPECT_FALSE(small.onsound.Checked);
    dropOn(small, 1, 2);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(small.exit);
    settle();

    auto& large = openGame<towers3>();
    EXPECT_TRUE(large.off.Checked);
    chooseMenu(large.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\hanoisound.dat"), "YES\r\n");
    EXPECT_TRUE(large.onsound.Checked);
    EXPECT_FALSE(large.off.Checked);
    dropOn(large, 1, 2);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

// The three sizes share one menu bar, item for item.
TEST_F(TowersTest, EverySizeHasTheSameMenusInTheirDesignOrder) {
    const auto expectMenus = [](towers& w) {
        EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Sound", "Help"}));
        EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
        EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
        EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
    };
    expectMenus(openGame<towers1>());
    expectMenus(openGame<towers2>());
    expectMenus(openGame<towers3>());
}

TEST_F(TowersTest, RulesShowTheHanoiPageAndTheMainWindowWaits) {
    auto& w = openGame<towers2>();
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("hanoi")});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<towers2>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
