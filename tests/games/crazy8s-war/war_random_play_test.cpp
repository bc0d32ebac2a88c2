#include "war_fixture.h"

#include "games/crazy8s-war/war_rules.h"

#include "support/fakes.h"
#include "support/random_play.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace warrules;

namespace {

// Seeded runs of random gestures through the real routing: the user's pile clicked at any moment,
// clicks anywhere on the table, every menu item, New Game whenever it is offered, the window closed
// and opened again, and every notice and question answered either way, with the clock run in short
// and long steps. After each step the table must still answer, lock the main window exactly while
// it is open, run no more timers than a battle allows, and hold every card once in one place.
class WarRandomPlay : public WarTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    wargame& openAgain() {
        wargame& w = openGame<wargame>();
        w.topLevel()->setUpdatesEnabled(false);
        return w;
    }

    // One pile of a few low cards, so that games end, and short-side battles and wars from short
    // piles come, within a run; the other pile holds the rest.
    void shortGame(wargame& w) {
        const std::string low[] = {"2S", "2H", "3D", "2C", "3S", "2D", "3H", "3C"};
        std::string few;
        for (int n = 1 + pick(8); n > 0; --n) few += low[static_cast<std::size_t>(n - 1)] + " ";
        const int rest = kCards - static_cast<int>(gp::cardCodes(few, core::SuitOrder::File).size());
        w.table = pick(2) ? wartest::piles(few, 0, "", rest) : wartest::piles("", rest, few, 0);
        for (int k = 1; k <= kCards; ++k) w.Image1[k].Tag = std::to_string(w.table.tag[k]);
    }

    void step(wargame& w) {
        const int roll = pick(1000);
        if (roll < 250) {
            advance(1 + pick(3000));
        } else if (roll < 550) {
            click(w.yourdeck);
        } else if (roll < 600) {
            clickAt(w, pick(int(w.ScaleWidth())), pick(int(w.ScaleHeight())));
        } else if (roll < 630) {
            platform::Menu* items[] = {&w.onsound, &w.off, &w.rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 636) {
            chooseMenu(w.newgame);
        } else if (roll < 639) {
            if (pick(2))
                chooseMenu(w.exit);
            else
                close(w);
        } else if (roll < 660) {
            if (!busy(w) && w.yourdeck.Enabled && w.table.playercount > 8 && w.table.compcount > 8) shortGame(w);
        } else {
            advance(1 + pick(60));
        }
    }

    // What must hold after every step while the window is open.
    void checkTable(wargame& w, const std::string& where) {
        SCOPED_TRACE(where);
        const WarTable& t = w.table;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the game is open";

        ASSERT_EQ(gp::everyCodeOnce(t.deckorder, kCards), "") << "every card once";

        // Each pile numbered from its top without gaps; the rest of the cards on the table.
        std::vector<int> userpile(kCards + 1), comppile(kCards + 1);
        int ontable = 0;
        for (int k = 1; k <= kCards; ++k) {
            const int tag = t.tag[k];
            EXPECT_EQ(w.Image1[k].Tag.get(), std::to_string(tag)) << k;
            if (tag > kUserPile && tag <= kUserPile + t.playercount)
                ++userpile[static_cast<std::size_t>(tag - kUserPile)];
            else if (tag > kCompPile && tag <= kCompPile + t.compcount)
                ++comppile[static_cast<std::size_t>(tag - kCompPile)];
            else if (tag > kUserTable && tag <= kUserTable + t.playertable)
                ++ontable;
            else if (tag > kCompTable && tag <= kCompTable + t.comptable)
                ++ontable;
            else
                ADD_FAILURE() << "card " << k << " numbered " << tag;
            if (tag < kUserTable) {
                EXPECT_EQ(t.cardrank[k], rankvalue(t.deckorder[k])) << "a raise outlived its battle";
            }
        }
        for (int n = 1; n <= t.playercount; ++n) EXPECT_EQ(userpile[static_cast<std::size_t>(n)], 1) << "user " << n;
        for (int n = 1; n <= t.compcount; ++n) EXPECT_EQ(comppile[static_cast<std::size_t>(n)], 1) << "computer " << n;
        EXPECT_EQ(t.playercount + t.compcount + ontable, kCards);
        EXPECT_EQ(w.yourdeck.Visible.get(), t.playercount > 0) << "the user's pile shows while it holds cards";
        EXPECT_EQ(w.compdeck.Visible.get(), t.compcount > 0) << "the computer's pile shows while it holds cards";

        // No more timers than a battle allows: one slide at a time, and only while collecting.
        const bool slide = w.Timer2.running() || w.Timer3.running();
        EXPECT_FALSE(w.Timer2.running() && w.Timer3.running());
        EXPECT_FALSE(w.Timer1.running() && w.Timer4.running());
        if (slide) {
            EXPECT_TRUE(w.Timer1.running() && w.Timer1.Interval == 1) << "a card slides while collecting";
            EXPECT_GT(ontable, 0);
        }

        if (busy(w)) {
            EXPECT_FALSE(w.yourdeck.Enabled) << "no turn in the middle of a battle";
            EXPECT_TRUE(ontable > 0 || w.Timer1.Interval == 1) << "a battle under way has cards on the table, or "
                                                                  "its last one has just arrived";
            return;
        }
        EXPECT_EQ(ontable, 0) << "an idle table is cleared";
        EXPECT_EQ(w.Timer1.Interval.get(), 1500);
        // The table answers: the user may turn, or a finished game waits for New Game.
        const bool over = !canturn(t);
        EXPECT_EQ(w.yourdeck.Enabled.get(), !over) << "the pile answers exactly while both piles hold cards";
        if (over) {
            EXPECT_TRUE(w.newgame.Enabled) << "a finished game waits for New Game";
        }
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            wargame* w = platform::loaded<wargame>();
            if (!w) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                w = &openAgain();
            }
            step(*w);
            if (wargame* open = platform::loaded<wargame>()) checkTable(*open, "step " + std::to_string(n));
            if (HasFailure()) break;
        }
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before) << "nothing is asked on the way out";
    }
};

struct ScreenRun {
    std::uint32_t seed;
    int width, height;
};

TEST_F(WarRandomPlay, TheTableAlwaysAnswersAndHoldsEveryCardOnce) {
    // The last two runs at the two small screens, where the window and its cards shrink.
    const ScreenRun runs[] = {{91u, 1024, 768}, {92u, 1024, 768}, {93u, 800, 600}, {94u, 640, 480}};
    for (const ScreenRun& r : runs) {
        setScreen(r.width, r.height);
        run(r.seed, 3000);
        if (HasFailure()) break;
    }
    // The runs reach what they are for: games played to their end, and the table's notices.
    for (const char* prompt : {"You Win! Play again?", "You Lost! Play again?",
                               "The Computer does not have enough cards for a war",
                               "You do not have enough cards for a war"}) {
        EXPECT_NE(std::find(play.prompts().begin(), play.prompts().end(), prompt), play.prompts().end()) << prompt;
    }
}

}  // namespace
