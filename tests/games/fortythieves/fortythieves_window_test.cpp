#include "fortythieves_fixture.h"

#include "games/fortythieves/fortythieves_rules.h"

#include "common/rules.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/files.h"
#include "platform/input.h"

#include <filesystem>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using fortythievestest::at;
using fortythievestest::code;
using fortythievestest::second;

constexpr const char* kMaroon = "\\Images\\maroon.bmp";

struct ScreenCase {
    int width;
    int height;
    float scale;
    double columnStep;
    double rowStep;
};

TEST_F(FortyThievesTest, LoadScalesTheTableAndDealsAtEachScreenSize) {
    const ScreenCase cases[] = {
        {1024, 768, 1.0f, 1200, 300},
        {800, 600, 0.87f, 1044, 261},
        {640, 480, 0.69f, 828, 207},
        {1280, 1024, 1.0f, 1200, 300},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        auto& w = openGame<fortythieves>();
        const double s = c.scale;
        EXPECT_EQ(w.table.scale, c.scale);
        EXPECT_EQ(w.Caption.get(), "Forty Thieves");
        EXPECT_DOUBLE_EQ(w.Height, 8310 * s + (c.width == 640 ? 1000 : 0));
        EXPECT_DOUBLE_EQ(w.Width, c.columnStep * 10 + 1065 * s + 400);
        // Centred once sized, and whole on the screen: moved up just enough where a title bar would
        // otherwise take its bottom edge past the screen's.
        EXPECT_DOUBLE_EQ(w.Left, (c.width * 15 - w.Width) / 2);
        EXPECT_DOUBLE_EQ(w.Top, std::min((c.height * 15 - w.Height) / 2, c.height * 15 - w.Height - 30 * 15));
        EXPECT_GE(w.Left, 0);
        EXPECT_GE(w.Top, 0);

        for (int k = 1; k <= 104; ++k) {
            EXPECT_DOUBLE_EQ(w.Image1[k].Width, 1065 * s) << k;
            EXPECT_DOUBLE_EQ(w.Image1[k].Height, 1440 * s) << k;
        }
        for (int k = 1; k <= 40; ++k) {
            const int column = (k - 1) % 10 + 1;
            const int row = (k - 1) / 10 + 1;
            EXPECT_DOUBLE_EQ(w.Image1[k].Left, c.columnStep * column) << k;
            EXPECT_DOUBLE_EQ(w.Image1[k].Top, (2760 + (row - 1) * c.rowStep) * s) << k;
        }
        EXPECT_DOUBLE_EQ(w.Image1[41].Left, 2040 * s);
        EXPECT_DOUBLE_EQ(w.Image1[41].Top, 480 * s);
        std::set<int> free;
        for (int k = 31; k <= 41; ++k) free.insert(k);
        EXPECT_EQ(draggable(w), free);
        expectMirrorsTable(w);
        // The four dealt rows lie inside the client area.
        EXPECT_LE(w.Image1[40].Top + w.Image1[40].Height, w.ScaleHeight());
        EXPECT_LE(w.Image1[40].Left + w.Image1[40].Width, w.ScaleWidth());

        for (int k = 1; k <= 8; ++k) {
            const platform::Image& f = w.slot[k];
            EXPECT_DOUBLE_EQ(f.Left, (3600 + 1200 * (k - 1)) * s) << k;
            EXPECT_DOUBLE_EQ(f.Top, 480 * s) << k;
            EXPECT_DOUBLE_EQ(f.Width, 1065 * s) << "a card's size";
            EXPECT_DOUBLE_EQ(f.Height, 1440 * s);
            EXPECT_TRUE(showsFile(f, kMaroon)) << k;
        }
        for (int k = 1; k <= 10; ++k) {
            const platform::Image& p = w.blankslot[k];
            EXPECT_DOUBLE_EQ(p.Left, 1200 * k * s) << k;
            EXPECT_DOUBLE_EQ(p.Top, 2760 * s) << k;
            EXPECT_DOUBLE_EQ(p.Width, 1065 * s);
            EXPECT_DOUBLE_EQ(p.Height, 1440 * s);
            EXPECT_FALSE(onTop(w, p)) << "the column's cards lie in front of its placeholder";
            EXPECT_NEAR(w.Image1[at(k, 1)].Left, p.Left, 0.001);
            const platform::Image& area = w.Image2[k];
            EXPECT_EQ(area.Left, p.Left);
            EXPECT_EQ(area.Top, p.Top);
            EXPECT_DOUBLE_EQ(area.Width, 1455 * s);
            EXPECT_DOUBLE_EQ(area.Height, 7215 * s);
        }
        EXPECT_DOUBLE_EQ(w.deckpic.Left, 360 * s);
        EXPECT_DOUBLE_EQ(w.deckpic.Top, 360 * s);
        EXPECT_DOUBLE_EQ(w.deckpic.Width, 1365 * s);
        EXPECT_DOUBLE_EQ(w.deckpic.Height, 1695 * s);
        EXPECT_TRUE(w.deckpic.Visible);
        EXPECT_TRUE(w.deckpic.Enabled);
        EXPECT_TRUE(showsFile(w.deckpic, core::stockfull));
        w.Unload();
        settle();
    }
}

TEST_F(FortyThievesTest, DealIsNeverOfferedAndNewGameAlwaysIs) {
    auto& w = openGame<fortythieves>();
    EXPECT_FALSE(w.deal.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
    EXPECT_EQ(w.div.Caption.get(), "-");
    chooseMenu(w.newgame);
    EXPECT_FALSE(w.deal.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
}

// Each deal shuffles the two decks apart: the tableau and the waste's first card are forty-one
// different faces of deck one.
TEST_F(FortyThievesTest, EveryDealShufflesBothDecksApart) {
    auto& w = openGame<fortythieves>();
    std::vector<std::array<std::int16_t, 105>> deals;
    for (int game = 0; game < 3; ++game) {
        SCOPED_TRACE(game);
        std::set<int> one(w.table.deckorder.begin() + 1, w.table.deckorder.begin() + 53);
        std::set<int> two(w.table.deckorder.begin() + 53, w.table.deckorder.end());
        EXPECT_EQ(one.size(), 52u);
        EXPECT_EQ(*one.rbegin(), 52);
        EXPECT_EQ(two.size(), 52u);
        EXPECT_EQ(*two.begin(), 53);
        expectMirrorsTable(w);
        deals.push_back(w.table.deckorder);
        chooseMenu(w.newgame);
    }
    EXPECT_NE(deals[0], deals[1]);
    EXPECT_NE(deals[1], deals[2]);
}

TEST_F(FortyThievesTest, MenusStandInTheirDesignOrder) {
    auto& w = openGame<fortythieves>();
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "Deal", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(FortyThievesTest, SoundMenuWritesTheSwitchAndSilencesTheFlick) {
    auto& w = openGame<fortythieves>();
    EXPECT_TRUE(w.onsound.Checked);
    EXPECT_FALSE(w.off.Checked);
    chooseMenu(w.off);
    EXPECT_EQ(platform::readFile("\\Data\\fortythievessound.dat"), "NO\r\n");
    EXPECT_TRUE(w.off.Checked);
    EXPECT_FALSE(w.onsound.Checked);
    turn(w, 2);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\fortythievessound.dat"), "YES\r\n");
    EXPECT_TRUE(w.onsound.Checked);
    EXPECT_FALSE(w.off.Checked);
    turn(w);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(FortyThievesTest, OnlyExactlyYesLoadsWithSoundAndTheChoiceHoldsForTheNextLoad) {
    for (const char* text : {"NO", "yes", ""}) {
        SCOPED_TRACE(text);
        platform::writeSetting("\\Data\\fortythievessound.dat", text);
        auto& w = openGame<fortythieves>();
        EXPECT_TRUE(w.off.Checked);
        EXPECT_FALSE(w.onsound.Checked);
        turn(w);
        EXPECT_TRUE(sounds.played().empty());
        w.Unload();
        settle();
    }
    chooseMenu(openGame<fortythieves>().onsound);
    close(*platform::loaded<fortythieves>());
    auto& again = openGame<fortythieves>();
    EXPECT_TRUE(again.onsound.Checked);
    EXPECT_FALSE(again.off.Checked);
}

TEST_F(FortyThievesTest, RulesShowTheFortyThievesPage) {
    auto& w = openGame<fortythieves>();
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("fortythieves")});
}

TEST_F(FortyThievesTest, GameLocksTheMainWindowUntilItCloses) {
    auto& w = openGame<fortythieves>();
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    main.Enabled = true;
    open<gp::mainstandin>();
    w.Show();
    settle();
    EXPECT_FALSE(main.Enabled) << "each activation locks it again";
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<fortythieves>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

TEST_F(FortyThievesTest, OpeningTheWindowAgainDealsANewGame) {
    auto& w = openWith({{at(1, 4), code("AS")}});
    drag(w.Image1[at(1, 4)], w.slot[1]);
    turn(w, 5);
    close(w);
    EXPECT_EQ(platform::loaded<fortythieves>(), nullptr);
    auto& again = openGame<fortythieves>();
    EXPECT_EQ(again.table.stockleft, 63);
    EXPECT_EQ(again.table.nextrank[1], 1);
    EXPECT_TRUE(showsFile(again.slot[1], kMaroon));
    EXPECT_TRUE(showsFile(again.deckpic, core::stockfull));
    expectMirrorsTable(again);
}

// Where two drop areas overlap, the right-hand one lies in front: the overlap covers its own
// column's cards, not its neighbour's.
TEST_F(FortyThievesTest, TheOverlapOfTwoDropAreasBelongsToTheRightHandColumn) {
    auto& w = openWith({{at(2, 4), code("6H")}, {at(5, 4), code("5H")}, {at(1, 4), code("7H")}});
    for (int c = 1; c < 10; ++c) {
        const platform::Image& right = w.Image2[c + 1];
        const double x = right.windowX() + 100;
        const double y = right.windowY() + 4000;
        ASSERT_LT(x, w.Image2[c].windowX() + w.Image2[c].Width) << "inside the overlap";
        EXPECT_EQ(platform::input::hitTest(w, x, y), &right) << c;
    }
    drag(w.Image1[at(5, 4)], w.Image2[2], 100, 4000);
    EXPECT_EQ(tagOf(w, w.Image1[at(5, 4)]), "102");
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

// A missing face, stock or empty-foundation picture leaves that picture empty; the cards keep a
// face's size and the game plays on.
TEST_F(FortyThievesTest, MissingPicturesNeverStopTheGame) {
    namespace fs = std::filesystem;
    for (int c = 1; c <= 52; ++c) fs::remove(programDir() / "Images" / core::facefile(c).substr(8));
    for (const char* f : {"carddeckfull1.bmp", "carddeckhalf1.bmp", "carddeckthin1.bmp", "maroon.bmp"})
        fs::remove(programDir() / "Images" / f);
    setScreen(800, 600);
    auto& w = openGame<fortythieves>();
    const double s = 0.87f;
    for (int k = 1; k <= 104; ++k) {
        EXPECT_FALSE(w.Image1[k].Picture.get()) << k;
        EXPECT_DOUBLE_EQ(w.Image1[k].Width, 1065 * s) << k;
        EXPECT_DOUBLE_EQ(w.Image1[k].Height, 1440 * s) << k;
    }
    for (int k = 1; k <= 8; ++k) {
        EXPECT_FALSE(w.slot[k].Picture.get());
        EXPECT_DOUBLE_EQ(w.slot[k].Width, 1065 * s);
        EXPECT_DOUBLE_EQ(w.slot[k].Height, 1440 * s);
    }
    EXPECT_FALSE(w.deckpic.Picture.get());
    EXPECT_DOUBLE_EQ(w.Width, 10440 + 1065 * s + 400);

    w.dealKnown(fortythievestest::order({{at(3, 4), code("AD")}, {at(4, 4), code("3C")}, {at(5, 4), code("4C")}}));
    drag(w.Image1[at(3, 4)], w.slot[6]);
    EXPECT_EQ(w.table.nextrank[6], 2);
    drag(w.Image1[at(4, 4)], w.Image1[at(5, 4)]);
    EXPECT_EQ(tagOf(w, w.Image1[at(4, 4)]), "105");
    turn(w, 40);
    EXPECT_TRUE(w.deckpic.Visible);
    EXPECT_FALSE(w.deckpic.Picture.get());
    turn(w, 23);
    EXPECT_FALSE(w.deckpic.Visible);
    EXPECT_EQ(sounds.played().size(), 65u);
}

}  // namespace
