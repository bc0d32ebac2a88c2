#include "golf_fixture.h"

#include "core/stock.h"
#include "platform/files.h"

#include <string>

namespace {

enum class Pile { Half, Thin, Back, None };

// What stands for the stock after each of the sixteen turns.
Pile pileAfter(int turn) {
    if (turn <= 7) return Pile::Half;
    if (turn <= 14) return Pile::Thin;
    return turn == 15 ? Pile::Back : Pile::None;
}

TEST_F(GolfTest, SixteenTurnsWalkTheStockDownToNothing) {
    auto& g = openGame<golf>();
    for (int turn = 1; turn <= 16; ++turn) {
        SCOPED_TRACE("turn " + std::to_string(turn));
        const int p = 35 + turn;
        const platform::Picture card = g.cardpic[p].Picture;
        click(turn <= 15 ? g.deck : g.cardback);

        EXPECT_EQ(g.Image1.Picture, card);
        EXPECT_EQ(g.cardpic[52].Picture, card);
        EXPECT_EQ(g.table.waste, g.table.deckorder[p]);
        expectFacesShowTheTable(g);
        EXPECT_EQ(g.table.nextdraw, p + 1);
        const Pile pile = pileAfter(turn);
        EXPECT_EQ(g.deck.Visible, pile == Pile::Half || pile == Pile::Thin);
        EXPECT_EQ(g.cardback.Visible, pile == Pile::Back);
        if (pile == Pile::Half) {
            EXPECT_TRUE(showsFile(g.deck, core::stockhalf));
        }
        if (pile == Pile::Thin) {
            EXPECT_TRUE(showsFile(g.deck, core::stockthin));
        }
    }
    EXPECT_EQ(sounds.played().size(), 15u) << "the stock sounds, the single back does not";
}

// The single back lies where the stock picture was, so the last card can be turned.
TEST_F(GolfTest, LastStockCardIsTurnedFromABackInTheStocksPlace) {
    auto& g = openGame<golf>();
    for (int turn = 1; turn <= 15; ++turn) click(g.deck);
    ASSERT_TRUE(g.cardback.Visible);
    EXPECT_DOUBLE_EQ(g.cardback.Left, g.deck.Left);
    EXPECT_DOUBLE_EQ(g.cardback.Top, g.deck.Top);
    EXPECT_DOUBLE_EQ(g.cardback.Width, g.deck.Width);
    EXPECT_DOUBLE_EQ(g.cardback.Height, g.deck.Height);
    click(g.cardback);
    EXPECT_EQ(g.table.nextdraw, 52);
    EXPECT_FALSE(g.cardback.Visible);
}

TEST_F(GolfTest, SpentStockTurnsNothing) {
    auto& g = openGame<golf>();
    for (int turn = 1; turn <= 15; ++turn) click(g.deck);
    click(g.cardback);
    const platform::Picture waste = g.Image1.Picture;
    sounds.clear();
    click(g.deck);
    click(g.cardback);
    EXPECT_EQ(g.Image1.Picture, waste);
    EXPECT_EQ(g.table.nextdraw, 52);
    EXPECT_FALSE(g.deck.Visible);
    EXPECT_FALSE(g.cardback.Visible);
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GolfTest, StockClicksAreSilentWithTheSoundSwitchedOff) {
    platform::writeSetting("\\Data\\golfsound.dat", "yes");
    auto& g = openGame<golf>();
    EXPECT_FALSE(g.onsound.Checked);
    EXPECT_TRUE(g.off.Checked);
    click(g.deck);
    EXPECT_EQ(g.table.nextdraw, 37);
    EXPECT_TRUE(sounds.played().empty());
}

}  // namespace
