#include "seawar_fixture.h"

#include "games/seawar/seawar_fleets.h"
#include "games/seawar/seawar_placement.h"

#include "platform/files.h"
#include "platform/input.h"

#include "support/fakes.h"

#include <QWidget>

#include <cstdint>
#include <string>

using namespace seawarrules;

namespace {

// Seeded runs of random gestures through the real routing: ships dragged and let go anywhere,
// clicks anywhere on the window, Rotate and Done, shots at the enemy grid, every menu item, game
// types the menus never write, the window closed and opened again, and every question answered
// either way. After each step the table must still answer and keep its fleets and shots apart.
class SeaWarRandomPlay : public SeaWarTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    seawar& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        seawar& w = open<seawar>();
        w.topLevel()->setUpdatesEnabled(false);
        return w;
    }

    // Takes a ship where it shows and lets it go at (x, y), window twips, as a hand would: over the
    // drop zone, another ship, the dock, a button or the background alike.
    void dragShip(seawar& w, int ship, double x, double y) {
        platform::Image& picture = w.shippicture(ship);
        const double fromX = picture.windowX() + pick(100) * picture.Width / 100;
        const double fromY = picture.windowY() + pick(100) * picture.Height / 100;
        if (platform::input::hitTest(w, fromX, fromY) != &picture) return;
        platform::input::move(w, fromX, fromY);
        platform::input::press(w, fromX, fromY, platform::vbLeftButton);
        platform::input::move(w, x, y, platform::vbLeftButton);
        platform::input::release(w, x, y, platform::vbLeftButton);
        settle();
    }

    // Each ship to a row of its own, lying, so that Done can start the battle.
    void placeApart(seawar& w) {
        for (int ship = 1; ship <= kShips && platform::loaded<seawar>() == &w; ++ship) {
            if (w.table.shipway[ship] == kUp && w.table.playercells[ship][1]) continue;
            const int first = usercell(2 * ship - 1, 1 + pick(11 - shipsize(ship)));
            platform::Image& picture = w.shippicture(ship);
            dragShip(w, ship, w.Image1[first].windowX() + 60 + picture.Width / 2,
                     w.Image1[first].windowY() + 60 + picture.Height / 2);
        }
    }

    void step(seawar& w) {
        const double width = w.ScaleWidth();
        const double height = w.ScaleHeight();
        const int roll = pick(1000);
        if (roll < 200) {
            advance(1 + pick(3000));
        } else if (roll < 450) {
            // Mostly a cell not fired at yet, often one of the computer's ships; now and then any.
            int cell = 1 + pick(100);
            for (int tries = 0; tries < 20 && pick(8) && w.table.playerfired[cell]; ++tries) cell = 1 + pick(100);
            if (pick(3) == 0) {
                const int ship = 1 + pick(kShips);
                cell = w.table.enemycells[ship][1 + pick(shipsize(ship))];
            }
            if (w.Frame1.Visible) click(w.Image1[cell]);
        } else if (roll < 570) {
            if (w.table.placing) dragShip(w, 1 + pick(kShips), pick(int(width)), pick(int(height)));
        } else if (roll < 600) {
            if (w.table.placing) placeApart(w);
        } else if (roll < 640) {
            clickAt(w, pick(int(width)), pick(int(height)));
        } else if (roll < 680) {
            platform::CommandButton& button = pick(2) ? w.Command1 : w.Command2;
            clickAt(w, button.windowX() + button.Width / 2, button.windowY() + button.Height / 2);
        } else if (roll < 700) {
            // Done also from the keyboard, where the enemy side no longer covers it.
            if (w.Command2.Enabled) w.Command2.userClick();
            settle();
        } else if (roll < 740) {
            platform::Menu* items[] = {&w.mefirst, &w.computer, &w.Random, &w.classic, &w.salvo,
                                       &w.volley,  &w.onsound,  &w.off,    &w.rules};
            chooseMenu(*items[pick(9)]);
        } else if (roll < 743) {
            chooseMenu(w.newgame);
        } else if (roll < 745) {
            // A game type the menus never write, read by the next new game.
            platform::writeSetting("\\seawartype.dat", pick(2) ? "salvo" : "Broadside");
        } else if (roll < 747) {
            if (pick(2)) {
                chooseMenu(w.exit);
            } else {
                close(w);
            }
        } else {
            advance(10 + pick(500));
        }
    }

    static int countHits(const ShipCells& cells, int ship, const CellFlags& fired) {
        int hits = 0;
        for (int k = 1; k <= shipsize(ship); ++k) hits += fired[static_cast<std::size_t>(cells[k])];
        return hits;
    }

    // What must hold after every step while the window is open.
    void checkTable(seawar& w, const std::string& where) {
        SCOPED_TRACE(where);
        const SeaWarTable& t = w.table;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the game is open";

        bool layout = false;
        for (int n = 1; n <= kFleets; ++n) layout = layout || fleet(n) == t.enemycells;
        EXPECT_TRUE(layout) << "the computer's fleet is one of the fixed layouts";

        int enemySunk = 0;
        int userSunk = 0;
        for (int ship = 1; ship <= kShips; ++ship) {
            const int enemyHits = countHits(t.enemycells[ship], ship, t.playerfired);
            EXPECT_EQ(t.enemyhits[ship], enemyHits) << "enemy ship " << ship << " counts each hit once";
            enemySunk += enemyHits == shipsize(ship);
            if (t.playercells[ship][1]) {
                const int userHits = countHits(t.playercells[ship], ship, t.compfired);
                EXPECT_EQ(t.playerhits[ship], userHits) << "user ship " << ship << " counts each hit once";
                userSunk += userHits == shipsize(ship);
                const platform::Image& picture = w.shippicture(ship);
                EXPECT_EQ(picture.Left.get(), w.Image1[t.playercells[ship][1]].Left.get()) << "ship " << ship;
                EXPECT_EQ(picture.Top.get(), w.Image1[t.playercells[ship][1]].Top.get()) << "ship " << ship;
            } else {
                EXPECT_TRUE(t.placing) << "every ship is on the grid in the battle";
                EXPECT_EQ(t.playerhits[ship], 0);
            }
        }
        EXPECT_EQ(t.enemyafloat, kShips - enemySunk);
        EXPECT_EQ(t.playerafloat, kShips - userSunk);
        int userShots = 0;
        for (int cell = 1; cell <= 200; ++cell) {
            const bool fired = cell <= 100 ? t.playerfired[cell] : t.compfired[cell];
            if (cell <= 100) {
                EXPECT_FALSE(t.compfired[cell]) << "the computer fires only at the user's grid";
            }
            userShots += cell <= 100 && fired;
            EXPECT_EQ(pegShows(w, cell), fired) << "the peg of cell " << cell;
        }
        for (int cell = 201; cell <= kLastFlagCell; ++cell) EXPECT_FALSE(t.compfired[cell]) << "cell " << cell;

        EXPECT_EQ(w.Frame1.Visible.get(), !t.placing) << "the enemy side shows in the battle only";
        EXPECT_EQ(w.gametype.Enabled.get(), t.placing) << "the game type is chosen while placing";
        for (int ship = 1; ship <= kShips; ++ship)
            EXPECT_EQ(w.shippicture(ship).DragMode.get(), t.placing ? platform::vbAutomatic : platform::vbManual);

        const bool over = t.enemyafloat == 0 || t.playerafloat == 0;
        if (w.Timer1.running()) {
            EXPECT_FALSE(t.placing) << "the computer fires in the battle only";
            EXPECT_FALSE(over) << "no shot after the end of the game";
            EXPECT_TRUE(!w.Frame1.Enabled || !w.Image1[1].Enabled) << "the user waits for the computer's turn";
        }
        if (t.placing) {
            EXPECT_EQ(userShots, 0);
            EXPECT_TRUE(w.Command2.Enabled && w.Command2.Visible) << "Done can end the placement";
            EXPECT_TRUE(w.newgame.Enabled);
            return;
        }
        bool canFire = false;
        if (w.Frame1.Enabled)
            for (int cell = 1; cell <= 100; ++cell) canFire = canFire || (w.Image1[cell].Enabled && !t.playerfired[cell]);
        const bool answers = w.Timer1.running() || canFire || (over && w.newgame.Enabled);
        EXPECT_TRUE(answers) << "the table waits for nothing: user afloat " << t.playerafloat << ", enemy afloat "
                             << t.enemyafloat << ", user's shots " << t.playershots;
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            seawar* w = platform::loaded<seawar>();
            if (!w) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                w = &openAgain();
            }
            step(*w);
            if (seawar* open = platform::loaded<seawar>()) checkTable(*open, "step " + std::to_string(n));
            if (HasFailure()) break;
        }
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before) << "nothing is asked on the way out";
    }
};

TEST_F(SeaWarRandomPlay, TheTableAlwaysAnswersAndKeepsItsFleetsAndShots) {
    for (std::uint32_t seed : {31u, 32u, 33u, 34u}) {
        run(seed, 4000);
        if (HasFailure()) break;
    }
}

}  // namespace
