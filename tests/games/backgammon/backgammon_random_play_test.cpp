#include "backgammon_fixture.h"

#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_user.h"

#include "art/backgammon_geometry.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace bgrules;
namespace geo = art::bgboard;

namespace {

// Seeded runs of random gestures through the real routing: the dice, checkers dragged onto their
// targets, onto any point, the tray, the names, the cube, the dice or the background, the cube
// clicked, every menu item, the score window closed at any moment, the board closed and opened
// again, and every question answered either way. After each step the board must still answer and
// keep its thirty checkers where its arrays say.
class BackgammonRandomPlay : public BackgammonTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    backgammon& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        backgammon& b = open<backgammon>();
        // Nothing here looks at pixels: the board is not painted, so that the run stays quick.
        b.topLevel()->setUpdatesEnabled(false);
        return b;
    }

    // A checker the user can take hold of now: its handle enabled and dragging by itself.
    static std::vector<int> holdable(const backgammon& b) {
        std::vector<int> checkers;
        for (int i = 1; i <= kCheckers; ++i)
            if (b.Image1[i].Visible && b.Image1[i].Enabled && b.Image1[i].DragMode.get() == platform::vbAutomatic)
                checkers.push_back(i);
        return checkers;
    }

    void dragChecker(backgammon& b) {
        std::vector<int> checkers = holdable(b);
        if (checkers.empty()) return;
        int checker = checkers[static_cast<std::size_t>(pick(static_cast<int>(checkers.size())))];
        // Checkers on the bar lie one on another: only the frontmost can be taken.
        if (b.table.playerpos[checker] == kUserBar) checker = bgtest::checkerOn(b.table, kUserBar);
        // Often a checker that can bear off, so that the user wins now and then.
        if (pick(2))
            for (int i : checkers)
                if (b.table.playerpos[i] != kUserBar && targets(b.table, i).test(kTray)) checker = i;
        const Targets legal = targets(b.table, checker);
        const int roll = pick(100);
        if (roll < 60 && legal.any()) {
            std::vector<int> places;
            for (int p = 1; p <= kTray; ++p)
                if (legal.test(std::size_t(p))) places.push_back(p);
            // Mostly the furthest, so that games reach their end.
            const std::size_t at = pick(2) ? places.size() - 1 : static_cast<std::size_t>(pick(static_cast<int>(places.size())));
            move(b, checker, places[at]);
        } else if (roll < 80) {
            move(b, checker, 1 + pick(24));
        } else if (roll < 85) {
            move(b, checker, kTray);
        } else if (roll < 98) {
            platform::Control* elsewhere[] = {&b.Label1, &b.Label2, &b.Image4};
            platform::Control& target = *elsewhere[pick(3)];
            if (target.Visible) drag(b.Image1[checker], target);
        } else {
            // The background, or the dice, which take nothing while the user moves.
            const double s = b.scale;
            pick(2) ? dragTo(b.Image1[checker], 100 * s, 100 * s)
                    : dragTo(b.Image1[checker], (geo::kUserDie1 + 300) * s, (geo::kDieTop + 300) * s);
        }
    }

    void step(backgammon& b) {
        const int roll = pick(1000);
        if (!b.Enabled) {
            // Only the score window answers while it holds the board.
            if (roll < 300) {
                if (backgammonscore* score = platform::loaded<backgammonscore>()) close(*score);
            } else {
                advance(1 + pick(1500));
            }
            return;
        }
        if (roll < 250) {
            advance(1 + pick(2500));
        } else if (roll < 350) {
            platform::Image* dice[] = {&b.die1, &b.die2, &b.diespot1, &b.diespot2};
            platform::Image& die = *dice[pick(4)];
            if (die.Enabled) click(die);
        } else if (roll < 800) {
            dragChecker(b);
        } else if (roll < 830) {
            if (b.Image4.Visible) click(b.Image4);
        } else if (roll < 900) {
            platform::Menu* items[] = {&b.playerfirst, &b.compfirst, &b.random, &b.yellow, &b.red,
                                       &b.doublecubeon, &b.doublecubeoff, &b.f3, &b.f5, &b.f7, &b.f9,
                                       &b.onsound, &b.off, &b.rules};
            chooseMenu(*items[pick(14)]);
        } else if (roll < 930) {
            chooseMenu(b.viewscore);
        } else if (roll < 931) {
            chooseMenu(b.newstuff);
        } else if (roll < 932) {
            if (pick(3) == 0) pick(2) ? chooseMenu(b.exit) : close(b);
        } else {
            advance(10 + pick(300));
        }
    }

    // Every checker lies where the arrays say: on its point's column at the slot its depth gives,
    // on its side's bar, or borne off and hidden; the handles follow the user's discs.
    static void checkCheckers(const backgammon& b) {
        const BackgammonTable& t = b.table;
        const double s = b.scale;
        for (int i = 1; i <= kCheckers; ++i) {
            const int p = t.playerpos[i];
            const platform::Shape& disc = b.Shape1[i];
            EXPECT_EQ(disc.Tag.get(), std::to_string(t.playertag[i])) << "user's " << i;
            EXPECT_EQ(disc.Visible.get(), p != kUserOff) << "user's " << i;
            EXPECT_EQ(b.Image1[i].Visible.get(), p != kUserOff) << "user's handle " << i;
            if (p == kUserOff) {
                EXPECT_FALSE(b.Image1[i].Enabled) << "user's handle " << i;
                continue;
            }
            EXPECT_EQ(b.Image1[i].Left.get(), disc.Left.get()) << "user's handle " << i;
            EXPECT_EQ(b.Image1[i].Top.get(), disc.Top.get()) << "user's handle " << i;
            if (p == kUserBar) {
                EXPECT_NEAR(disc.Left, geo::kUserBar.left * s, 0.01) << "user's " << i;
                EXPECT_NEAR(disc.Top, geo::kUserBar.top * s, 0.01) << "user's " << i;
            } else {
                EXPECT_NEAR(disc.Left, *geo::userColumn(p) * s, 0.01) << "user's " << i << " on " << p;
                EXPECT_NEAR(disc.Top, *geo::slotTop(p, t.rownum[p] - t.playertag[i]) * s, 0.01)
                    << "user's " << i << " on " << p;
            }
        }
        for (int i = 1; i <= kCheckers; ++i) {
            const int p = t.comppos[i];
            const platform::Shape& disc = b.Shape2[i];
            EXPECT_EQ(disc.Tag.get(), std::to_string(t.comptag[i])) << "computer's " << i;
            EXPECT_EQ(disc.Visible.get(), p != kComputerOff) << "computer's " << i;
            if (p == kComputerOff) continue;
            if (p == kComputerBar) {
                EXPECT_NEAR(disc.Left, geo::kComputerBar.left * s, 0.01) << "computer's " << i;
                EXPECT_NEAR(disc.Top, geo::kComputerBar.top * s, 0.01) << "computer's " << i;
                continue;
            }
            // A hitter takes the place of the user's blot, whose column may lie beside its own.
            const bool column = std::abs(disc.Left - *geo::computerColumn(p) * s) < 0.01 ||
                                std::abs(disc.Left - *geo::userColumn(p) * s) < 0.01;
            EXPECT_TRUE(column) << "computer's " << i << " on " << p << " at " << disc.Left.get();
            EXPECT_NEAR(disc.Top, *geo::slotTop(p, t.rownum[p] - t.comptag[i]) * s, 0.01)
                << "computer's " << i << " on " << p;
        }
    }

    // The arrays agree with one another: counts and codes by point, depths 1 to n on each stack,
    // the bar at 50, the borne-off counts and their slabs.
    static void checkArrays(const backgammon& b) {
        const BackgammonTable& t = b.table;
        int userOff = 0, computerOff = 0;
        for (int i = 1; i <= kCheckers; ++i) {
            userOff += t.playerpos[i] == kUserOff;
            computerOff += t.comppos[i] == kComputerOff;
            const int userDepth = t.playerpos[i] == kUserBar ? kBarDepth : t.playerpos[i] == kUserOff ? kOffDepth : -1;
            const int computerDepth =
                t.comppos[i] == kComputerBar ? kBarDepth : t.comppos[i] == kComputerOff ? kOffDepth : -1;
            if (userDepth >= 0) {
                EXPECT_EQ(t.playertag[i], userDepth) << "user's " << i;
            }
            if (computerDepth >= 0) {
                EXPECT_EQ(t.comptag[i], computerDepth) << "computer's " << i;
            }
        }
        EXPECT_EQ(t.playeroff, userOff);
        EXPECT_EQ(t.compoff, computerOff);
        for (int k = 1; k <= kCheckers; ++k) {
            EXPECT_EQ(b.Shape4[k].Visible.get(), k <= t.playeroff) << "user's slab " << k;
            EXPECT_EQ(b.Shape5[k].Visible.get(), k <= t.compoff) << "computer's slab " << k;
        }
        for (int p = 1; p <= 24; ++p) {
            std::vector<int> userDepths, computerDepths;
            for (int i = 1; i <= kCheckers; ++i) {
                if (t.playerpos[i] == p) userDepths.push_back(t.playertag[i]);
                if (t.comppos[i] == p) computerDepths.push_back(t.comptag[i]);
            }
            EXPECT_TRUE(userDepths.empty() || computerDepths.empty()) << "both sides on " << p;
            const std::vector<int>& depths = userDepths.empty() ? computerDepths : userDepths;
            const int n = static_cast<int>(depths.size());
            EXPECT_EQ(t.rownum[p], n) << "point " << p;
            EXPECT_EQ(t.row[p], userDepths.empty() ? computercode(n) : usercode(n)) << "point " << p;
            std::vector<int> sorted = depths;
            std::ranges::sort(sorted);
            for (int k = 0; k < n; ++k) EXPECT_EQ(sorted[static_cast<std::size_t>(k)], k + 1) << "depths on " << p;
        }
    }

    // What must hold after every step while the board is open.
    void checkBoard(backgammon& b, const std::string& where) {
        SCOPED_TRACE(where);
        const BackgammonTable& t = b.table;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_TRUE(mainWindow->Enabled) << "Backgammon never locks the main window";
        backgammonscore* score = platform::loaded<backgammonscore>();
        EXPECT_EQ(b.Enabled.get(), score == nullptr) << "the score window holds the board while it is open";

        int running = 0;
        for (const platform::Timer* timer : {&b.Timer1, &b.Timer2, &b.Timer3}) running += timer->Enabled;
        EXPECT_LE(running, 1) << "one turn at a time";
        using Closing = backgammonscore::Closing;
        const Closing flag = score ? score->closing() : Closing::Nothing;
        if (flag != Closing::Nothing) {
            EXPECT_EQ(running, 0) << "a finished game moves no more";
            EXPECT_FALSE(b.userturn());
        }
        if (score) {
            // The score window shows the totals the board holds, and decides a match it has seen end.
            EXPECT_EQ(score->Label3.Caption.get(), b.Label3.Caption.get());
            EXPECT_EQ(score->Label4.Caption.get(), b.Label4.Caption.get());
            const int length = matchLength(b.settings.matchlength);
            const bool over = length > 0 && t.playerwins + t.compwins >= length;
            if (flag == Closing::NewMatch) {
                EXPECT_TRUE(over) << "a match decided before its end";
            }
            if (flag == Closing::NextGame && over && platform::activeForm() == score) {
                ADD_FAILURE() << "a finished match left undecided";
            }
        }
        if (b.userturn()) {
            EXPECT_EQ(running, 0);
            EXPECT_FALSE(turnOver(t)) << "a turn with nothing left to play is handed over";
            for (platform::Image* die : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_FALSE(die->Enabled);
        }
        for (int i = 1; i <= kCheckers; ++i) {
            if (b.Image1[i].Enabled) {
                EXPECT_TRUE(b.userturn()) << "handle " << i << " outside the user's turn";
            }
        }
        const bool gameOver = t.playeroff == kCheckers || t.compoff == kCheckers || flag != Closing::Nothing;
        const bool answers = running > 0 || b.userturn() || b.die1.Enabled || gameOver;
        EXPECT_TRUE(answers) << "the board waits for nothing";

        EXPECT_EQ(b.Label3.Caption.get(), std::to_string(t.playerscore));
        EXPECT_EQ(b.Label4.Caption.get(), std::to_string(t.compscore));
        EXPECT_GE(t.cubevalue, 1);
        EXPECT_EQ(t.cubevalue & (t.cubevalue - 1), 0) << "the stake only ever doubles";

        checkArrays(b);
        checkCheckers(b);
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            backgammon* b = platform::loaded<backgammon>();
            if (!b) {
                EXPECT_EQ(platform::loaded<backgammonscore>(), nullptr) << "the score window goes with its board";
                b = &openAgain();
            }
            const std::string where = "step " + std::to_string(n);
            step(*b);
            if (backgammon* open = platform::loaded<backgammon>()) checkBoard(*open, where);
            if (HasFailure()) break;
        }
        // The run ends with the board in whatever state it is: nothing more is asked.
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before);
    }
};

TEST_F(BackgammonRandomPlay, TheBoardAlwaysAnswersAndKeepsItsCheckers) {
    for (std::uint32_t seed : {31u, 32u, 33u, 36u}) {
        run(seed, 6000);
        if (HasFailure()) break;
    }
}

TEST_F(BackgammonRandomPlay, TheSmallestBoardToo) {
    setScreen(640, 480);
    run(34u, 4000);
}

}  // namespace
