#include "solitaire_fixture.h"

#include "games/smallsolitaires/interlock_rules.h"

#include "common/rules.h"
#include "platform/files.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace interlockrules;

namespace {

const std::vector<std::string> kFlick{"flick.wav"};
using Faces = std::array<std::int16_t, 8>;
constexpr Faces kInOrder{1, 2, 3, 4, 5, 6, 7, 8};

// Three slides from solved: the six moved down into cell 9, the five right into cell 6 and the two
// down into cell 5, so the blank is cell 2.
constexpr Faces kThreeAway{1, 3, 4, 2, 5, 7, 8, 6};

TEST_F(InterlockTest, WindowCardsAndCellsTakeTheirSizeForEachScreen) {
    const solitairetest::Screen screens[] = {{640, 480, 0.78f}, {800, 600, 1.0f}, {1024, 768, 1.0f}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(solitairetest::describe(screen));
        setScreen(screen.width, screen.height);
        auto& w = openGame<interlockpuzzle>();
        const double s = screen.scale;
        EXPECT_EQ(w.Caption.get(), "Interlock Puzzle");
        // The outer size of a 5895 x 5940 client area with the menu bar, times the factor.
        EXPECT_NEAR(w.Width, 6015 * s, 0.01);
        EXPECT_NEAR(w.Height, 6645 * s, 0.01);
        for (int cell = 1; cell <= 9; ++cell) {
            EXPECT_NEAR(w.Image2[cell].Left, cellPlace(cell).Left * s, 0.01) << cell;
            EXPECT_NEAR(w.Image2[cell].Top, cellPlace(cell).Top * s, 0.01) << cell;
            EXPECT_NEAR(w.Image2[cell].Width, 1065 * s, 0.01) << "a face's width, " << cell;
            EXPECT_NEAR(w.Image2[cell].Height, 1440 * s, 0.01) << "a face's height, " << cell;
        }
        for (int k = 1; k <= 8; ++k) {
            EXPECT_NEAR(w.Image1[k].Width, 1065 * s, 0.01) << k;
            EXPECT_NEAR(w.Image1[k].Height, 1440 * s, 0.01) << k;
            EXPECT_TRUE(w.Image1[k].Stretch) << k;
        }
        expectCardsOnTheirCells(w);
        EXPECT_LE(w.Image2[9].Left + w.Image2[9].Width, w.ScaleWidth());
        EXPECT_LE(w.Image2[9].Top + w.Image2[9].Height, w.ScaleHeight());
        // A new deal keeps the sizes and places.
        chooseMenu(w.newgame);
        EXPECT_NEAR(w.Image1[1].Width, 1065 * s, 0.01);
        EXPECT_NEAR(w.Image2[9].Height, 1440 * s, 0.01);
        expectCardsOnTheirCells(w);
        w.Unload();
        settle();
    }
}

TEST_F(InterlockTest, CardsTakeTheCellsOtherThanTheBlankInOrder) {
    auto& w = openWith(1, kInOrder);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(w.Image1[k].Tag.get(), std::to_string(k + 1)) << k;
    expectCardsOnTheirCells(w);
    w.dealKnown(9, {8, 7, 6, 5, 4, 3, 2, 1});
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(w.Image1[k].Tag.get(), std::to_string(k)) << k;
    expectCardsOnTheirCells(w);
}

// Clicks on the card lying on a cell, with the blank on another: it slides when the blank lies
// beside it in its row or above or below it; a row never wraps round to the next.
TEST_F(InterlockTest, ACardSlidesOnlyIntoTheBlankBesideAboveOrBelowIt) {
    struct Case { int cell; int blank; bool slides; };
    const Case cases[] = {
        {2, 1, true},  {4, 5, true},  {1, 4, true},  {8, 5, true},  {6, 9, true},
        {3, 4, false}, {6, 7, false}, {4, 3, false}, {7, 6, false}, {1, 5, false}, {1, 3, false},
    };
    auto& w = openGame<interlockpuzzle>();
    for (const auto& c : cases) {
        SCOPED_TRACE("card on " + std::to_string(c.cell) + ", blank " + std::to_string(c.blank));
        w.dealKnown(c.blank, kInOrder);
        sounds.clear();
        const int k = cardOn(w, c.cell);
        const auto before = w.table;
        click(w.Image1[k]);
        EXPECT_EQ(w.table.tag[k], c.slides ? c.blank : c.cell);
        EXPECT_EQ(w.table.blankcell, c.slides ? c.cell : c.blank);
        EXPECT_EQ(sounds.played().size(), c.slides ? 1u : 0u);
        if (!c.slides) {
            EXPECT_EQ(w.table, before);
        }
        expectCardsOnTheirCells(w);
    }
}

TEST_F(InterlockTest, AClickOnTheBlankCellDoesNothing) {
    auto& w = openWith(5, kInOrder);
    const auto before = w.table;
    click(w.Image2[5]);
    EXPECT_EQ(w.table, before);
    EXPECT_TRUE(sounds.played().empty());
}

// From three slides away to the notice; on the solved table a click that slides nothing shows it
// again, one that slides does not.
TEST_F(InterlockTest, SolvingThePuzzleShowsTheNoticeAndPlayGoesOn) {
    auto& w = openWith(2, kThreeAway);
    click(w.Image1[6]);
    EXPECT_EQ(w.table.blankcell, 2) << "the seven on cell 7 lies nowhere near the blank";
    click(w.Image1[4]);
    click(w.Image1[5]);
    EXPECT_TRUE(boxes.shown().empty());
    boxes.expect("You Win", platform::vbOK);
    click(w.Image1[8]);
    boxes.verifyAllUsed();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, "You Win");
    EXPECT_EQ(boxes.shown()[0].title, "You Win");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbOKOnly + platform::vbInformation);
    EXPECT_EQ(sounds.played(), std::vector<std::string>(3, "flick.wav"));
    for (int face = 1; face <= 8; ++face) EXPECT_EQ(w.table.cardcell[face], face);
    expectCardsOnTheirCells(w);

    boxes.expect("You Win", platform::vbOK);
    click(w.Image1[cardOn(w, 7)]);
    boxes.verifyAllUsed();
    click(w.Image1[cardOn(w, 8)]);
    EXPECT_EQ(w.table.blankcell, 8);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(InterlockTest, NewGameMidGameDealsAfresh) {
    auto& w = openWith(9, kInOrder);
    click(w.Image1[8]);
    std::set<std::pair<int, Faces>> deals;
    for (int game = 0; game < 6; ++game) {
        chooseMenu(w.newgame);
        expectCardsOnTheirCells(w);
        Faces faces{};
        std::copy(w.table.deckorder.begin() + 1, w.table.deckorder.end(), faces.begin());
        deals.insert({w.table.blankcell, faces});
    }
    EXPECT_EQ(deals.size(), 6u);
}

TEST_F(InterlockTest, MenusStandInTheirDesignOrder) {
    auto& w = openWith(9, kInOrder);
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(InterlockTest, SoundRulesAndTheMainWindowsLock) {
    auto& w = openWith(9, kInOrder);
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    chooseMenu(w.off);
    EXPECT_EQ(platform::readFile("\\Data\\interlocksound.dat"), "NO\r\n");
    click(w.Image1[8]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\interlocksound.dat"), "YES\r\n");
    boxes.expect("You Win", platform::vbOK);
    click(w.Image1[8]);
    EXPECT_EQ(sounds.played(), kFlick);
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("interlockpuzzle")});
    chooseMenu(w.exit);
    EXPECT_EQ(platform::loaded<interlockpuzzle>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
