#include "games/towers-foreaft/towers.h"

#include "platform/files.h"
#include "platform/input.h"

#include "support/fakes.h"
#include "support/game_window_test.h"

#include <QWidget>

#include <cstdint>
#include <string>

using namespace towersrules;

namespace {

constexpr const char* kWin = "You Win! Play again?";

// Seeded runs of random gestures through the real routing, over the three sizes in turn: discs
// taken where they show (top discs or buried ones) and let go anywhere, on a peg's bare part, on
// another disc or the background; legal moves; whole towers moved; every menu item; the window
// closed and another size opened; every question answered either way. After each step the table
// must keep its discs counted and placed, let exactly the top discs be taken, lock the main window,
// and have asked exactly when a drop on a peg left a finished tower.
class TowersRandomPlay : public gp::GameWindowTest {
protected:
    TowersRandomPlay() : GameWindowTest("hanoi") {}

    gp::RandomPlay play;
    float scale = 1;

    int pick(int n) { return play.pick(n); }

    static towers* loadedTowers() {
        if (auto* w = platform::loaded<towers1>()) return w;
        if (auto* w = platform::loaded<towers2>()) return w;
        if (auto* w = platform::loaded<towers3>()) return w;
        return nullptr;
    }

    towers& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        towers* w = nullptr;
        switch (pick(3)) {
        case 0: w = &open<towers1>(); break;
        case 1: w = &open<towers2>(); break;
        default: w = &open<towers3>(); break;
        }
        w->topLevel()->setUpdatesEnabled(false);
        return *w;
    }

    struct Menus {
        platform::Menu* newgame1;
        platform::Menu* exit;
        platform::Menu* onsound;
        platform::Menu* off;
        platform::Menu* rules;
    };
    static Menus menus(towers& w) {
        if (auto* t = dynamic_cast<towers1*>(&w)) return {&t->newgame1, &t->exit, &t->onsound, &t->off, &t->rules};
        if (auto* t = dynamic_cast<towers2*>(&w))
            return {&t->newgame1, &t->exit, &t->onsound, &t->offsound, &t->rules};
        auto& t = dynamic_cast<towers3&>(w);
        return {&t.newgame1, &t.exit, &t.onsound, &t.off, &t.rules};
    }

    // Takes the disc where it shows and lets it go at (x, y), window twips, as a hand would.
    // Returns whether the drop landed on a peg's picture.
    bool dragDisc(towers& w, int disc, double x, double y) {
        platform::Image& picture = w.piece[disc];
        const double fromX = picture.windowX() + pick(100) * picture.Width / 100;
        const double fromY = picture.windowY() + pick(100) * picture.Height / 100;
        if (platform::input::hitTest(w, fromX, fromY) != &picture) return false;
        platform::Control* under = platform::input::hitTest(w, x, y);
        bool onPeg = false;
        for (auto& [p, peg] : w.Image1) onPeg = onPeg || under == peg.get();
        onPeg = onPeg && picture.DragMode == platform::vbAutomatic;
        platform::input::move(w, fromX, fromY);
        platform::input::press(w, fromX, fromY, platform::vbLeftButton);
        platform::input::move(w, x, y, platform::vbLeftButton);
        platform::input::release(w, x, y, platform::vbLeftButton);
        settle();
        return onPeg;
    }

    // A point over the peg above its stack, where only the peg's picture lies.
    static void bareOf(const towers& w, int peg, double& x, double& y) {
        const platform::Image& picture = w.Image1[peg];
        x = picture.windowX() + picture.Width / 2;
        y = picture.windowY() + 100;
    }

    bool moveDisc(towers& w, int disc, int peg) {
        double x = 0;
        double y = 0;
        bareOf(w, peg, x, y);
        return dragDisc(w, disc, x, y);
    }

    // The whole tower to peg 2 or 3 from a new game, the classic way; stops at the question.
    // Returns whether the last gesture was a drop on a peg.
    bool moveTower(towers& w, int discs, int from, int to, int spare, bool& asked) {
        bool onPeg = false;
        if (discs == 0 || asked) return onPeg;
        onPeg = moveTower(w, discs - 1, from, spare, to, asked);
        if (asked) return onPeg;
        const auto before = play.prompts().size();
        onPeg = moveDisc(w, discs, to);
        asked = play.prompts().size() != before;
        if (discs > 1 && !asked) onPeg = moveTower(w, discs - 1, spare, to, from, asked);
        return onPeg;
    }

    // Returns whether the step was a drop on a peg, after which a finished tower must ask.
    bool step(towers& w) {
        const Menus m = menus(w);
        const int n = w.table.n;
        const int roll = pick(1000);
        if (roll < 300) {
            const int disc = 1 + pick(n);
            if (pick(2)) {
                const platform::Image& peg = w.Image1[1 + pick(3)];
                return dragDisc(w, disc, peg.windowX() + pick(int(peg.Width)), peg.windowY() + pick(int(peg.Height)));
            }
            return dragDisc(w, disc, pick(int(w.ScaleWidth())), pick(int(w.ScaleHeight())));
        }
        if (roll < 700) {
            // A top disc to a peg that takes it, or now and then to one that refuses it.
            const int disc = w.table.pegtop[1 + pick(3)];
            if (disc == 0) return false;
            int peg = 1 + pick(3);
            for (int tries = 0; tries < 6 && pick(6) && !accepts(w.table, disc, w.table.piecepeg[disc], peg); ++tries)
                peg = 1 + pick(3);
            return moveDisc(w, disc, peg);
        }
        if (roll < 710) {
            chooseMenu(*m.newgame1);
            bool asked = false;
            const int to = 2 + pick(2);
            return moveTower(w, n, 1, to, 5 - to, asked);
        }
        if (roll < 760) {
            clickAt(w, pick(int(w.ScaleWidth())), pick(int(w.ScaleHeight())));
        } else if (roll < 800) {
            mouseMove(w.piece[1 + pick(n)]);
        } else if (roll < 840) {
            platform::Menu* items[] = {m.onsound, m.off, m.rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 860) {
            chooseMenu(*m.newgame1);
        } else if (roll < 870) {
            if (pick(2)) {
                chooseMenu(*m.exit);
            } else {
                close(w);
            }
        } else {
            advance(1 + pick(2000));
        }
        return false;
    }

    // What must hold after every step while the window is open.
    void checkTable(towers& w, bool droppedOnPeg, std::size_t promptsBefore, const std::string& where) {
        SCOPED_TRACE(where);
        const TowersTable& t = w.table;
        const int n = t.n;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the game is open";

        int total = 0;
        for (int p = 1; p <= kPegs; ++p) {
            int count = 0;
            int top = 0;
            for (int d = n; d >= 1; --d)
                if (t.piecepeg[d] == p) {
                    ++count;
                    top = d;
                }
            EXPECT_EQ(t.pegcount[p], count) << "peg " << p;
            EXPECT_EQ(t.pegtop[p], top) << "peg " << p;
            total += t.pegcount[p];
        }
        EXPECT_EQ(total, n);

        const TowersDesign& design = towersrules::design(n);
        int height[kPegs + 1] = {};
        for (int d = n; d >= 1; --d) {
            const int p = t.piecepeg[d];
            ASSERT_TRUE(p >= 1 && p <= kPegs) << "disc " << d;
            ++height[p];
            const platform::Image& disc = w.piece[d];
            EXPECT_DOUBLE_EQ(disc.Left, discLeft(design, d, p, scale)) << "disc " << d;
            EXPECT_DOUBLE_EQ(disc.Top, discTop(design, height[p], scale)) << "disc " << d;
            EXPECT_EQ(disc.DragMode.get() == platform::vbAutomatic, t.pegtop[p] == d) << "only top discs are taken";
            EXPECT_TRUE(disc.Enabled && disc.Visible) << "disc " << d;
        }

        const Menus m = menus(w);
        const bool on = w.RichTextBox9.Text.get() == "YES";
        EXPECT_EQ(m.onsound->Checked.get(), on);
        EXPECT_EQ(m.off->Checked.get(), !on);
        EXPECT_EQ(platform::readSetting("\\Data\\hanoisound.dat"), w.RichTextBox9.Text.get())
            << "one switch for the three sizes";

        const bool asked = play.prompts().size() != promptsBefore;
        if (asked) {
            EXPECT_EQ(play.prompts().back(), kWin);
            EXPECT_TRUE(droppedOnPeg) << "asked only after a drop on a peg";
            const bool fresh = t.pegcount[1] == n;
            EXPECT_TRUE(won(t) || fresh) << "No keeps the finished tower, Yes starts again";
        } else if (droppedOnPeg) {
            EXPECT_FALSE(won(t)) << "a drop on a peg beside a finished tower asks";
        }
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int k = 0; k < steps && !HasFatalFailure(); ++k) {
            towers* w = loadedTowers();
            if (!w) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                w = &openAgain();
            }
            const std::size_t before = play.prompts().size();
            const bool droppedOnPeg = step(*w);
            if (towers* open = loadedTowers()) checkTable(*open, droppedOnPeg, before, "step " + std::to_string(k));
            if (HasFailure()) break;
        }
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before) << "nothing is asked on the way out";
    }
};

TEST_F(TowersRandomPlay, TheTableKeepsItsDiscsAndAsksExactlyOnFinishedTowers) {
    for (std::uint32_t seed : {41u, 42u, 43u}) {
        run(seed, 3000);
        if (HasFailure()) break;
    }
}

TEST_F(TowersRandomPlay, TheSameHoldsOnTheSmallScreen) {
    setScreen(640, 480);
    scale = 0.78f;
    run(44, 3000);
}

}  // namespace
