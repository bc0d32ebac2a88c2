#include "solitaire_fixture.h"

#include "games/smallsolitaires/nestor_rules.h"

#include "common/rules.h"
#include "core/cards.h"
#include "platform/files.h"
#include "platform/input.h"

#include <set>
#include <string>
#include <vector>

using solitairetest::card;
using namespace nestorrules;

namespace {

const std::vector<std::string> kFlick{"flick.wav"};
const std::set<int> kFreeAtTheDeal{6, 12, 18, 24, 30, 36, 42, 48, 49, 50, 51, 52};

// Ascending codes, with column 2's free card the six of clubs so that columns 1 and 2 end in sixes.
// Free cards then: 6 6S, 12 6C, 18 5C, 24 JC, 30 4D, 36 10D, 42 3H, 48 9H; reserve 10H JH QH KH.
solitairetest::Order pairsDeal() { return solitairetest::swapped(solitairetest::ascending(), {{12, 19}}); }

std::set<int> draggables(const nestor& n) {
    std::set<int> cards;
    for (int p = 1; p <= 52; ++p)
        if (n.Image1[p].DragMode == platform::vbAutomatic) cards.insert(p);
    return cards;
}

// Every card shown at its place with its face, tagged with its depth; only the free ones drag.
void expectFreshDeal(const nestor& n) {
    for (int p = 1; p <= 52; ++p) {
        SCOPED_TRACE("card image " + std::to_string(p));
        const platform::Image& c = n.Image1[p];
        EXPECT_TRUE(c.Visible);
        EXPECT_EQ(c.Tag.get(), std::to_string(p <= 48 ? 6 - (p - 1) % 6 : 1));
        EXPECT_DOUBLE_EQ(c.Left, place(p, n.scale).Left);
        EXPECT_DOUBLE_EQ(c.Top, place(p, n.scale).Top);
    }
    EXPECT_EQ(draggables(n), kFreeAtTheDeal);
    for (int col = 1; col <= 8; ++col) {
        std::set<int> ranks;
        for (int r = 1; r <= 6; ++r) ranks.insert(core::rankof(n.table.deckorder[(col - 1) * 6 + r]));
        EXPECT_EQ(ranks.size(), 6u) << "column " << col << " holds each rank once";
    }
}

struct NestorScreen {
    solitairetest::Screen screen;
    double width;
    double height;
};

TEST_F(NestorTest, WindowAndCardsTakeTheirSizeAndPlacesForEachScreen) {
    // The outer size of an 11685 x 8370 client area with the menu bar, times the factor; at 640 x
    // 480 then 1500 twips wider and 300 taller.
    const NestorScreen cases[] = {
        {{640, 480, 0.68f}, 11805 * double(0.68f) + 1500, 9075 * double(0.68f) + 300},
        {{800, 600, 0.9f}, 11805 * double(0.9f), 9075 * double(0.9f)},
        {{1024, 768, 1.0f}, 11805, 9075},
        {{1152, 864, 1.0f}, 11805, 9075},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(solitairetest::describe(c.screen));
        setScreen(c.screen.width, c.screen.height);
        auto& n = openGame<nestor>();
        const double s = c.screen.scale;
        EXPECT_EQ(n.scale, c.screen.scale);
        EXPECT_EQ(n.Caption.get(), "Nestor");
        EXPECT_NEAR(n.Width, c.width, 0.01);
        EXPECT_NEAR(n.Height, c.height, 0.01);
        expectFreshDeal(n);
        // Cards at the faces' own size (71 x 96 pixels) times the factor, whole inside the window.
        for (int p : {1, 48, 52}) {
            EXPECT_NEAR(n.Image1[p].Width, 1065 * s, 0.01) << p;
            EXPECT_NEAR(n.Image1[p].Height, 1440 * s, 0.01) << p;
            EXPECT_TRUE(n.Image1[p].Stretch) << p;
        }
        EXPECT_LE(n.Image1[48].Left + n.Image1[48].Width, n.ScaleWidth());
        EXPECT_LE(n.Image1[52].Top + n.Image1[52].Height, n.ScaleHeight());
        // A later deal keeps the cards' size.
        chooseMenu(n.new_);
        EXPECT_NEAR(n.Image1[1].Width, 1065 * s, 0.01);
        EXPECT_NEAR(n.Image1[1].Height, 1440 * s, 0.01);
        n.Unload();
        settle();
    }
}

TEST_F(NestorTest, ColumnsAndReserveLieAtTheRoundedPlacesOfTheSmallestScreen) {
    setScreen(640, 480);
    auto& n = openGame<nestor>();
    struct Spot { int p; double left; double top; };
    // The factor that fits this screen is 0.68 (its own 0.78 would pass the screen's edges).
    ASSERT_EQ(n.scale, 0.68f);
    const Spot spots[] = {{1, 272, 734}, {2, 272, 938}, {6, 272, 1754}, {7, 1224, 734},
                          {48, 6936, 1754}, {49, 2176, 3508.8}, {52, 5032, 3508.8}};
    for (const auto& spot : spots) {
        EXPECT_DOUBLE_EQ(n.Image1[spot.p].Left, spot.left) << spot.p;
        EXPECT_NEAR(n.Image1[spot.p].Top, spot.top, 1e-3) << spot.p;
    }
}

TEST_F(NestorTest, EveryDealKeepsEachRankOnceInAColumnAndFreesTwelveCards) {
    auto& n = openGame<nestor>();
    for (int game = 0; game < 5; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        expectFreshDeal(n);
        std::set<int> codes(n.table.deckorder.begin() + 1, n.table.deckorder.end());
        EXPECT_EQ(codes.size(), 52u);
        for (int p = 1; p <= 52; ++p)
            EXPECT_TRUE(showsFile(n.Image1[p], core::facefile(n.table.deckorder[p]))) << p;
        chooseMenu(n.new_);
    }
}

// A free card dropped on another free card of its rank: both leave, and the card above each one
// that left a column becomes free.
TEST_F(NestorTest, PairsLeaveFromTwoColumnsFromAColumnAndTheReserveAndFromTheReserve) {
    auto& n = openWith(pairsDeal());
    drag(n.Image1[6], n.Image1[12]);
    EXPECT_EQ(sounds.played(), kFlick);
    for (int gone : {6, 12}) {
        EXPECT_FALSE(n.Image1[gone].Visible) << gone;
        EXPECT_EQ(n.Image1[gone].Left, 0);
        EXPECT_EQ(n.Image1[gone].Top, 6360);
    }
    EXPECT_EQ(n.Image1[5].Tag.get(), "1");
    EXPECT_EQ(n.Image1[11].Tag.get(), "1");
    EXPECT_EQ(n.Image1[6].Tag.get(), "0");
    EXPECT_EQ(n.table.columncount[1], 5);

    drag(n.Image1[36], n.Image1[49]);
    EXPECT_EQ(n.table.columncount[6], 5);
    EXPECT_EQ(n.table.columncount[9], 3);
    drag(n.Image1[50], n.Image1[24]);
    EXPECT_EQ(n.table.columncount[4], 5);
    EXPECT_EQ(n.table.columncount[9], 2);
    std::set<int> expected{5, 11, 18, 23, 30, 35, 42, 48, 51, 52};
    EXPECT_EQ(draggables(n), expected);
    for (int p : {51, 52}) EXPECT_EQ(n.Image1[p].Tag.get(), "1") << "the reserve stays free";
    EXPECT_EQ(sounds.played(), std::vector<std::string>(3, "flick.wav"));
}

// A drop on itself, on another rank, on a covered card of its rank or on the table changes
// nothing and sounds nothing.
TEST_F(NestorTest, RefusedDropsChangeNothing) {
    auto& n = openWith(pairsDeal());
    const auto before = look(n);
    const auto table = n.table;
    drag(n.Image1[6], n.Image1[6]);
    drag(n.Image1[6], n.Image1[18]);
    drag(n.Image1[49], n.Image1[50]);
    ASSERT_EQ(n.table.cardrank[5], n.table.cardrank[18]);
    drag(n.Image1[18], n.Image1[5], 500, 100);
    dragTo(n.Image1[18], 100, 100);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(look(n), before);
    EXPECT_EQ(n.table, table);
}

// The drop takes the card pressed, even where the pointer last moved over another card.
TEST_F(NestorTest, TheDropTakesTheDraggedCard) {
    auto& n = openWith(pairsDeal());
    mouseMove(n.Image1[49]);
    drag(n.Image1[6], n.Image1[12]);
    EXPECT_FALSE(n.Image1[6].Visible);
    EXPECT_TRUE(n.Image1[49].Visible);
}

class NestorPlay : public NestorTest {
protected:
    // Takes off free pairs as they come, through the window, until the win question.
    void playOut(nestor& n) {
        while (boxes.shown().empty()) {
            bool found = false;
            for (int d = 1; d <= 52 && !found; ++d)
                for (int t = 1; t <= 52 && !found; ++t)
                    if (d != t && draggable(n.table, d) && draggable(n.table, t) &&
                        n.table.cardrank[d] == n.table.cardrank[t]) {
                        drag(n.Image1[d], n.Image1[t]);
                        found = true;
                    }
            ASSERT_TRUE(found) << "no pair left before the win";
        }
    }
};

TEST_F(NestorPlay, AWholeGameEndsInTheWinQuestionAndNoLeavesAnEmptyTable) {
    auto& n = openWith(solitairetest::nestorDeal());
    boxes.expect("You Win! Play again?", platform::vbNo);
    playOut(n);
    boxes.verifyAllUsed();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Keep Playing?");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo + platform::vbInformation);
    EXPECT_EQ(sounds.played(), std::vector<std::string>(26, "flick.wav"));
    for (int p = 1; p <= 52; ++p) EXPECT_FALSE(n.Image1[p].Visible) << p;
    EXPECT_TRUE(draggables(n).empty());
    chooseMenu(n.new_);
    expectFreshDeal(n);
}

TEST_F(NestorPlay, YesToTheWinQuestionDealsANewGame) {
    const auto deal = solitairetest::nestorDeal();
    auto& n = openWith(deal);
    boxes.expect("You Win! Play again?", platform::vbYes);
    playOut(n);
    boxes.verifyAllUsed();
    EXPECT_FALSE(std::equal(deal.begin(), deal.end(), n.table.deckorder.begin() + 1));
    expectFreshDeal(n);
}

TEST_F(NestorTest, NewGameMidGameShowsAllTheCardsAgain) {
    auto& n = openWith(pairsDeal());
    drag(n.Image1[6], n.Image1[12]);
    drag(n.Image1[36], n.Image1[49]);
    chooseMenu(n.new_);
    expectFreshDeal(n);
    EXPECT_EQ(n.table.columncount, (std::array<std::int16_t, 10>{0, 6, 6, 6, 6, 6, 6, 6, 6, 4}));
}

TEST_F(NestorTest, MenusStandInTheirDesignOrder) {
    auto& n = openWith(pairsDeal());
    EXPECT_EQ(gp::menuCaptions(n), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(n.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(n.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(n.help), std::vector<std::string>{"Rules"});
}

TEST_F(NestorTest, SoundRulesAndTheMainWindowsLock) {
    auto& n = openWith(pairsDeal());
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    EXPECT_TRUE(n.onsound.Checked);
    chooseMenu(n.off);
    EXPECT_EQ(platform::readFile("\\Data\\nestorsound.dat"), "NO\r\n");
    drag(n.Image1[6], n.Image1[12]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(n.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\nestorsound.dat"), "YES\r\n");
    EXPECT_TRUE(n.onsound.Checked);
    EXPECT_FALSE(n.off.Checked);
    drag(n.Image1[36], n.Image1[49]);
    EXPECT_EQ(sounds.played(), kFlick);
    chooseMenu(n.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("nestor")});
    close(n);
    EXPECT_EQ(platform::loaded<nestor>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
