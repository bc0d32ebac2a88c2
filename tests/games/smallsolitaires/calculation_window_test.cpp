#include "solitaire_fixture.h"

#include "games/smallsolitaires/calculation_rules.h"

#include "common/rules.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/files.h"
#include "platform/input.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

using solitairetest::card;
using namespace calculationrules;

namespace {

const std::vector<std::string> kFlick{"flick.wav"};
constexpr std::array<double, 5> kSlotLefts{0, 3120, 4800, 6480, 8040};

// A deal whose stock turns the given cards first; the other cards follow in ascending order.
solitairetest::Order stockStarting(std::initializer_list<std::string_view> names) {
    std::map<int, int> placed{{1, 1}, {2, 15}, {3, 29}, {4, 43}};
    int position = kFirstStock;
    for (std::string_view name : names) placed[position++] = card(name);
    return gp::completeDeck(placed);
}

// Where the pointer finds a control: the frontmost one at that window point.
const platform::Control* frontAt(calculation& c, double x, double y) { return platform::input::hitTest(c, x, y); }

// The tops of pile p's cards, from the bottom card up.
std::vector<double> pileTops(calculation& c, int p) {
    std::vector<double> tops(static_cast<std::size_t>(c.table.pilecount[p]));
    for (int i = 1; i <= kCards; ++i)
        if (const int place = pileplace(c.table, i, p); place >= 0) tops[static_cast<std::size_t>(place)] = c.Image1[i].Top;
    return tops;
}

// The smallest gap between two cards lying one on the next, or none for a pile of one card.
double closestGap(const std::vector<double>& tops) {
    double gap = 1e9;
    for (std::size_t k = 1; k < tops.size(); ++k) gap = std::min(gap, tops[k] - tops[k - 1]);
    return gap;
}

// The rank in a face's corner ends 13 pixels down its 96: a card below shows it from that gap on.
constexpr double kRankShare = 13.0 / 96.0;

TEST_F(CalculationTest, WindowAndControlsTakeTheirSizeForEachScreen) {
    // At 640 x 480 the window's own 0.76 would take it past the screen's bottom: it shrinks to fit.
    const solitairetest::Screen screens[] = {{640, 480, 0.61f}, {800, 600, 0.9f}, {1024, 768, 1.0f}, {1280, 1024, 1.0f}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(solitairetest::describe(screen));
        setScreen(screen.width, screen.height);
        auto& c = openGame<calculation>();
        const double s = screen.scale;
        EXPECT_EQ(c.scale, screen.scale);
        EXPECT_EQ(c.Caption.get(), "Calculation");
        // The screen the fixed additions follow.
        EXPECT_EQ(c.screen, screen.width == 640   ? core::ScreenKind::At640x480
                            : screen.width == 800 ? core::ScreenKind::At800x600
                                                  : core::ScreenKind::Other);
        // The outer size of a 10470 x 8655 client area with the menu bar, times the factor; at
        // 640 x 480 1000 twips taller.
        EXPECT_NEAR(c.Width, 10590 * s, 0.01);
        EXPECT_NEAR(c.Height, 9360 * s + (screen.width == 640 ? 1000 : 0), 0.01);
        for (int p = 1; p <= 4; ++p) {
            EXPECT_NEAR(c.Image2[p].Left, kSlotLefts[p] * s, 0.01);
            EXPECT_NEAR(c.Image2[p].Top, 2400 * s, 0.01);
            EXPECT_NEAR(c.Image2[p].Height, 6135 * s, 0.01);
            EXPECT_NEAR(c.Image3[p].Left, kSlotLefts[p] * s, 0.01);
            EXPECT_NEAR(c.Image3[p].Top, 360 * s, 0.01);
            EXPECT_NEAR(c.Image3[p].Width, 1335 * s, 0.01);
            EXPECT_NEAR(c.marker(p).Left, kSlotLefts[p] * s, 0.01);
            EXPECT_NEAR(c.marker(p).Top, 2400 * s, 0.01);
            EXPECT_NEAR(c.marker(p).Width, 1095 * s, 0.01);
            EXPECT_NEAR(c.marker(p).Height, 1455 * s, 0.01);
        }
        EXPECT_NEAR(c.deckpic.Left, 720 * s, 0.01);
        EXPECT_NEAR(c.deckpic.Width, 1365 * s, 0.01);
        for (int i : {1, 5, 52}) {
            EXPECT_NEAR(c.Image1[i].Width, 1335 * s, 0.01) << i;
            EXPECT_NEAR(c.Image1[i].Height, 1815 * s, 0.01) << i;
            EXPECT_LE(c.Image1[i].Top + c.Image1[i].Height, 0) << "parked above the table";
        }
        const int d = turn(c);
        EXPECT_NEAR(c.Image1[d].Left, 840 * s, 0.01);
        EXPECT_NEAR(c.Image1[d].Top, 2520 * s, 0.01);
        EXPECT_LE(c.Image2[4].Left + c.Image2[4].Width, c.ScaleWidth());
        EXPECT_LE(c.Image2[4].Top + c.Image2[4].Height, c.ScaleHeight());
        EXPECT_GE(c.Left, 0);
        EXPECT_GE(c.Top, 0);
        EXPECT_LE(c.Top + c.Height + 30 * 15, screen.height * 15) << "the bottom edge is on the screen, title bar and all";
        c.Unload();
        settle();
    }
}

TEST_F(CalculationTest, TheDealShowsTheStartersOnTheFoundationsAndTheStockFull) {
    auto& c = openGame<calculation>();
    const char* starters[] = {"AS", "2C", "3D", "4H"};
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(c.Image3[f].Picture, c.Image1[f].Picture) << f;
        EXPECT_TRUE(showsFile(c.Image3[f], core::facefile(card(starters[f - 1])))) << f;
        EXPECT_TRUE(c.Image3[f].Enabled);
        EXPECT_TRUE(c.marker(f).Visible);
        EXPECT_EQ(c.marker(f).FillStyle, platform::vbFSDiagonalCross);
    }
    EXPECT_TRUE(c.deckpic.Visible);
    EXPECT_TRUE(showsFile(c.deckpic, core::stockfull));
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(c.Image1[i].Top, -7000) << i;
        EXPECT_EQ(c.Image1[i].DragMode, platform::vbManual) << i;
        EXPECT_EQ(c.Image1[i].Tag.get(), std::to_string(i <= 4 ? i : 1000 + i - 4));
        EXPECT_TRUE(showsFile(c.Image1[i], core::facefile(c.table.deckorder[i]))) << i;
    }
}

TEST_F(CalculationTest, TheStockShowsHalfAfterTheFifteenthTurnThinAfterTheThirtyFifthAndGoesAfterTheLast) {
    auto& c = openWith(solitairetest::calculationDeal().order);
    struct Step { int turns; std::string_view picture; };
    const Step steps[] = {{14, core::stockfull}, {15, core::stockhalf}, {34, core::stockhalf},
                          {35, core::stockthin}, {47, core::stockthin}};
    for (const auto& step : steps) {
        while (c.table.turned < step.turns) turn(c);
        EXPECT_TRUE(c.deckpic.Visible) << step.turns;
        EXPECT_TRUE(showsFile(c.deckpic, step.picture)) << step.turns;
    }
    EXPECT_EQ(turn(c), 52);
    EXPECT_EQ(c.Image1[52].Tag.get(), "1048");
    EXPECT_FALSE(c.deckpic.Visible);
    EXPECT_EQ(sounds.played(), std::vector<std::string>(48, "flick.wav")) << "every turn flicks";
}

TEST_F(CalculationTest, TurnedCardsWaitUnderOneAnotherAndComeBackAsTheOnesInFrontGo) {
    auto& c = openWith(stockStarting({"9S", "2D", "KC"}));
    for (int k = 0; k < 3; ++k) turn(c);
    for (int d : {5, 6, 7}) {
        EXPECT_EQ(c.Image1[d].Left, 840);
        EXPECT_EQ(c.Image1[d].Top, 2520);
        EXPECT_EQ(c.Image1[d].DragMode, platform::vbAutomatic);
    }
    const double x = 840 + 1335 / 2.0, y = 2520 + 1815 / 2.0;
    EXPECT_EQ(frontAt(c, x, y), &c.Image1[7]) << "the latest in front";
    drag(c.Image1[7], c.Image2[3]);
    EXPECT_EQ(frontAt(c, x, y), &c.Image1[6]);
    drag(c.Image1[6], c.Image3[1]);
    EXPECT_EQ(c.Image3[1].Picture, c.Image1[6].Picture) << "the two of diamonds on the ace of spades";
    EXPECT_EQ(c.Image1[6].Tag.get(), "1");
    EXPECT_EQ(c.Image1[6].Top, -7000);
    EXPECT_EQ(frontAt(c, x, y), &c.Image1[5]);
    drag(c.Image1[5], c.Image1[7]);
    EXPECT_EQ(c.Image1[5].Tag.get(), "301");
    EXPECT_EQ(c.Image1[7].Tag.get(), "302");
    EXPECT_EQ(frontAt(c, x, y), nullptr) << "the turn position is empty";
}

// Each card arriving on a pile lies 200 twips (at every scale) below the one before and in front of
// it, the last one whole; only the top card drags.
TEST_F(CalculationTest, APileFansDownWithItsTopCardWholeAndAloneDraggable) {
    setScreen(800, 600);
    auto& c = openWith(stockStarting({"9C", "JC", "8S"}));
    const double s = 0.9f;
    drag(c.Image1[turn(c)], c.Image2[2]);
    drag(c.Image1[turn(c)], c.Image2[2], 100, 5000);
    drag(c.Image1[turn(c)], c.Image1[5], 600, 100);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(c.Image1[5 + k].Left, 4800 * s, 0.01);
        EXPECT_NEAR(c.Image1[5 + k].Top, 2400 * s + 200 * k, 0.01);
        EXPECT_EQ(c.Image1[5 + k].Tag.get(), std::to_string(203 - k));
        EXPECT_EQ(c.Image1[5 + k].DragMode, k == 2 ? platform::vbAutomatic : platform::vbManual);
    }
    const platform::Image& top = c.Image1[7];
    EXPECT_EQ(frontAt(c, top.Left + top.Width / 2, top.Top + top.Height - 10), &top);
    EXPECT_EQ(c.table.pilecount[2], 3);
}

TEST_F(CalculationTest, APilesMarkerShowsAgainWhenItsOnlyCardGoesUp) {
    auto& c = openWith(stockStarting({"2H", "9C"}));
    drag(c.Image1[turn(c)], c.Image2[4]);
    EXPECT_FALSE(c.marker(4).Visible);
    EXPECT_TRUE(c.marker(3).Visible);
    drag(c.Image1[5], c.Image3[1]);
    EXPECT_TRUE(c.marker(4).Visible);
    EXPECT_EQ(c.table.pilecount[4], 0);
    EXPECT_EQ(c.Image1[5].Tag.get(), "1");
    drag(c.Image1[turn(c)], c.Image2[4]);
    EXPECT_EQ(c.Image1[6].Top, 2400) << "the next card lies at the slot's top again";
    EXPECT_EQ(c.Image1[6].Tag.get(), "401");
    EXPECT_EQ(sounds.played(), std::vector<std::string>(5, "flick.wav"));
}

// A waste card goes only to a foundation: dropped on another pile's slot nothing sounds; dropped on
// a card of a pile the flick sounds and nothing moves; a stock card on a turned one stays.
TEST_F(CalculationTest, AWasteCardIsRefusedOnAnotherPileWithTheFlickOnlyWhenDroppedOnACard) {
    auto& c = openWith(stockStarting({"KS", "QS", "JS", "10S"}));
    drag(c.Image1[turn(c)], c.Image2[1]);
    drag(c.Image1[turn(c)], c.Image2[2]);
    turn(c);
    turn(c);
    sounds.clear();
    const auto before = look(c);
    const auto table = c.table;

    drag(c.Image1[5], c.Image2[2]);
    drag(c.Image1[5], c.Image2[1]);
    drag(c.Image1[5], c.Image3[1]);
    EXPECT_TRUE(sounds.played().empty());
    drag(c.Image1[5], c.Image1[6]);
    EXPECT_EQ(sounds.played(), kFlick) << "the target lay on a pile";
    drag(c.Image1[8], c.Image1[8]);
    EXPECT_EQ(sounds.played(), kFlick) << "a turned card is on no pile";
    EXPECT_EQ(look(c), before);
    EXPECT_EQ(c.table, table);
}

// The foundation of the twos takes an ace after its queen and closes with its king; closed, it takes
// no card, not even the four that would follow.
TEST_F(CalculationTest, AClosedFoundationTakesNoMoreCards) {
    auto& c = openWith(stockStarting({"4S", "6S", "8S", "10S", "QS", "AC", "3S", "5S", "7S", "9S", "JS", "KS", "4C"}));
    for (int k = 0; k < 12; ++k) {
        const int d = turn(c);
        EXPECT_EQ(c.table.foundneed[2], c.table.cardrank[d]);
        drag(c.Image1[d], c.Image3[2]);
        EXPECT_EQ(c.Image3[2].Picture, c.Image1[d].Picture);
    }
    EXPECT_FALSE(c.Image3[2].Enabled);
    EXPECT_EQ(c.table.foundneed[2], 2);
    const int four = turn(c);
    const auto before = look(c);
    sounds.clear();
    dragTo(c.Image1[four], c.Image3[2].Left + 600, c.Image3[2].Top + 800);
    EXPECT_EQ(look(c), before);
    EXPECT_TRUE(sounds.played().empty());
    drag(c.Image1[four], c.Image3[4]);
    EXPECT_EQ(look(c), before) << "foundation 4 needs an eight";
    EXPECT_TRUE(sounds.played().empty()) << "a wrong rank is refused without a sound";
    EXPECT_EQ(c.Image1[four].DragMode, platform::vbAutomatic);
}

// However long a pile grows, its cards stop where the top card still shows whole: at scale 1 from
// the 24th card on the fan narrows so that the top card lies at the client area's bottom, each card
// in front and a little below the one before, the top one draggable.
TEST_F(CalculationTest, ALongPileNeverRunsOffTheWindow) {
    std::map<int, int> placed{{1, 1}, {2, 15}, {3, 29}, {4, 43}, {34, card("2S")}};
    auto& c = openWith(gp::completeDeck(placed));
    const double lowest = c.ScaleHeight() - 1815;
    ASSERT_DOUBLE_EQ(lowest, 6840);
    for (int k = 0; k < 30; ++k) {
        const int d = turn(c);
        if (k == 0)
            drag(c.Image1[d], c.Image2[1]);
        else
            drag(c.Image1[d], c.Image1[d - 1], 600, 100);
        EXPECT_DOUBLE_EQ(c.Image1[d].Top, k < 23 ? 2400 + 200 * k : lowest) << "card " << k + 1;
        EXPECT_EQ(c.Image1[d].Tag.get(), "101");
        const std::vector<double> tops = pileTops(c, 1);
        EXPECT_DOUBLE_EQ(tops.front(), 2400) << "card " << k + 1;
        EXPECT_GE(closestGap(tops), k < 23 ? 200 : 4440.0 / k - 1e-9) << "card " << k + 1 << ": evenly fanned";
    }
    const platform::Image& top = c.Image1[34];
    EXPECT_LE(top.Top + top.Height, c.ScaleHeight());
    const double x = top.Left + top.Width / 2, y = top.Top + top.Height / 2;
    EXPECT_EQ(frontAt(c, x, y), &top);
    drag(c.Image1[34], c.Image3[1]);
    EXPECT_EQ(c.Image1[34].Tag.get(), "1") << "the two of spades went up";
    EXPECT_EQ(c.Image1[33].DragMode, platform::vbAutomatic);
    EXPECT_EQ(frontAt(c, x, y), &c.Image1[33]);
}

// At 640 x 480 a long pile fans closer, so that each card's rank stays readable in its corner for
// as long as the pile's room allows (two dozen cards), and no card ever lies exactly on another;
// its top card shows whole on the screen.
TEST_F(CalculationTest, OnTheSmallestScreenALongPileFansCloserAndStaysReadable) {
    setScreen(640, 480);
    auto& c = openWith(solitairetest::calculationDeal().order);
    ASSERT_LE(c.Top + c.Height + 30 * 15, 480 * 15) << "the window fits the screen";
    const double readable = c.Image1[1].Height * kRankShare;
    for (int k = 0; k < 30; ++k) {
        const int d = turn(c);
        if (k == 0)
            drag(c.Image1[d], c.Image2[3]);
        else
            drag(c.Image1[d], c.Image1[d - 1], 300, 60);
        const std::vector<double> tops = pileTops(c, 3);
        ASSERT_EQ(tops.size(), std::size_t(k + 1));
        if (k < 23)
            EXPECT_GE(closestGap(tops), readable) << k + 1 << " cards: every rank readable";
        else
            EXPECT_GT(closestGap(tops), 0) << k + 1 << " cards: no card hides another";
    }
    const platform::Image& top = c.Image1[34];
    const double clientTop = c.Top + (c.Height - c.ScaleHeight());
    EXPECT_LE(clientTop + top.Top + top.Height, 480 * 15);
    EXPECT_EQ(frontAt(c, top.Left + top.Width / 2, top.Top + top.Height / 2), &top);
}

class CalculationPlay : public CalculationTest {
protected:
    // The stock of the chosen deal turned and played through the window: each card goes up when
    // its foundation needs it, else onto that foundation's waste pile (on the slot when the pile is
    // empty, on its top card when not); then the pile's top goes up for as long as it fits. It
    // ends with the win question.
    void playOut(calculation& c, const solitairetest::CalculationDeal& deal) {
        while (boxes.shown().empty()) {
            ASSERT_LT(c.table.turned, kStockCards) << "the stock is spent before the win";
            const int d = turn(c);
            const int f = deal.foundation[d];
            if (c.table.foundneed[f] == c.table.cardrank[d])
                drag(c.Image1[d], c.Image3[f]);
            else if (const int top = piletop(c.table, f); top != 0)
                drag(c.Image1[d], c.Image1[top]);
            else
                drag(c.Image1[d], c.Image2[f]);
            while (piletop(c.table, f) != 0 && c.table.foundneed[f] == c.table.cardrank[piletop(c.table, f)])
                drag(c.Image1[piletop(c.table, f)], c.Image3[f]);
        }
    }
};

TEST_F(CalculationPlay, AWholeGameEndsInTheWinQuestionAndNoLeavesTheClosedTable) {
    const auto deal = solitairetest::calculationDeal();
    auto& c = openWith(deal.order);
    boxes.expect("You Win! Play again?", platform::vbNo);
    playOut(c, deal);
    boxes.verifyAllUsed();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Keep Playing?");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo + platform::vbInformation);
    for (int f = 1; f <= 4; ++f) {
        EXPECT_FALSE(c.Image3[f].Enabled) << f;
        EXPECT_TRUE(c.marker(f).Visible) << f;
        int shown = 0;
        for (int i = 1; i <= 52; ++i)
            if (c.Image1[i].Picture == c.Image3[f].Picture) shown = i;
        EXPECT_EQ(c.table.cardrank[shown], 13) << "foundation " << f << " shows its king";
    }
    EXPECT_FALSE(c.deckpic.Visible);
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(c.Image1[i].Top, -7000) << i;
        EXPECT_EQ(c.Image1[i].DragMode, platform::vbManual) << i;
    }
    chooseMenu(c.newgame);
    EXPECT_TRUE(c.deckpic.Visible);
    for (int f = 1; f <= 4; ++f) EXPECT_TRUE(c.Image3[f].Enabled) << f;
}

TEST_F(CalculationPlay, YesToTheWinQuestionDealsANewGame) {
    const auto deal = solitairetest::calculationDeal();
    auto& c = openWith(deal.order);
    boxes.expect("You Win! Play again?", platform::vbYes);
    playOut(c, deal);
    boxes.verifyAllUsed();
    EXPECT_EQ(c.table.turned, 0);
    EXPECT_FALSE(std::equal(deal.order.begin(), deal.order.end(), c.table.deckorder.begin() + 1));
    EXPECT_TRUE(c.deckpic.Visible);
    EXPECT_TRUE(showsFile(c.deckpic, core::stockfull));
    for (int f = 1; f <= 4; ++f) {
        EXPECT_TRUE(c.Image3[f].Enabled) << f;
        EXPECT_EQ(c.Image3[f].Picture, c.Image1[f].Picture) << f;
    }
}

TEST_F(CalculationTest, NewGameMidGameParksEveryCardAndDealsAnew) {
    const auto deal = solitairetest::calculationDeal(true);
    auto& c = openWith(deal.order);
    for (int k = 0; k < 12; ++k) drag(c.Image1[turn(c)], c.Image3[1]);
    drag(c.Image1[turn(c)], c.Image2[1]);
    drag(c.Image1[turn(c)], c.Image2[3]);
    turn(c);
    ASSERT_FALSE(c.Image3[1].Enabled);
    chooseMenu(c.newgame);
    EXPECT_FALSE(std::equal(deal.order.begin(), deal.order.end(), c.table.deckorder.begin() + 1));
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(c.Image1[i].Top, -7000) << i;
        EXPECT_EQ(c.Image1[i].DragMode, platform::vbManual) << i;
        EXPECT_EQ(c.Image1[i].Tag.get(), std::to_string(i <= 4 ? i : 1000 + i - 4));
        EXPECT_TRUE(showsFile(c.Image1[i], core::facefile(c.table.deckorder[i]))) << i;
    }
    for (int f = 1; f <= 4; ++f) {
        EXPECT_TRUE(c.Image3[f].Enabled) << f;
        EXPECT_TRUE(c.marker(f).Visible) << f;
        EXPECT_EQ(c.Image3[f].Picture, c.Image1[f].Picture) << f;
    }
    EXPECT_TRUE(showsFile(c.deckpic, core::stockfull));
    EXPECT_EQ(c.table.pilecount, (PerFoundation{0, 0, 0, 0, 0}));
    EXPECT_EQ(c.table.foundneed, (PerFoundation{0, 2, 4, 6, 8}));
    EXPECT_EQ(turn(c), 5);
}

TEST_F(CalculationTest, MenusStandInTheirDesignOrder) {
    auto& c = openWith(stockStarting({"9S"}));
    EXPECT_EQ(gp::menuCaptions(c), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(c.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(c.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(c.help), std::vector<std::string>{"Rules"});
}

TEST_F(CalculationTest, SoundRulesAndTheMainWindowsLock) {
    auto& c = openWith(stockStarting({"9S"}));
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    EXPECT_TRUE(c.onsound.Checked);
    chooseMenu(c.off);
    EXPECT_EQ(platform::readFile("\\Data\\calculationsound.dat"), "NO\r\n");
    EXPECT_TRUE(c.off.Checked);
    EXPECT_FALSE(c.onsound.Checked);
    drag(c.Image1[turn(c)], c.Image2[1]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(c.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\calculationsound.dat"), "YES\r\n");
    turn(c);
    EXPECT_EQ(sounds.played(), kFlick);
    chooseMenu(c.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("calculation")});
    chooseMenu(c.exit);
    EXPECT_EQ(platform::loaded<calculation>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
