#include "fortythieves_fixture.h"

#include "games/fortythieves/fortythieves_rules.h"

#include "core/stock.h"
#include "platform/input.h"

#include <string>
#include <vector>

namespace {

namespace ft = fortythievesrules;
using fortythievestest::at;
using fortythievestest::code;
using fortythievestest::second;

constexpr const char* kMaroon = "\\Images\\maroon.bmp";
const std::vector<std::string> kOneFlick{"flick.wav"};

TEST_F(FortyThievesTest, TheDropNamesTheDraggedCardWhateverThePointerPassedLast) {
    auto& w = openWith({{at(1, 4), code("5H")}, {at(2, 4), code("6H")}});
    mouseMove(w.Image1[at(3, 2)]);
    w.Image1[at(2, 4)].raiseDragDrop(w.Image1[at(1, 4)], 0, 0);
    EXPECT_EQ(tagOf(w, w.Image1[at(1, 4)]), "102");
    EXPECT_EQ(sounds.played(), kOneFlick);
    expectMirrorsTable(w, false);
}

// Only a card can be dropped: anything else dropped anywhere moves nothing and stays silent, even
// a control whose index is that of a free card (card 1, once column 1 is down to it).
TEST_F(FortyThievesTest, ADropOfAnythingButACardMovesNothing) {
    auto& w = openWith({{at(1, 4), code("AS")}, {at(1, 3), code("2S")}, {at(1, 2), code("3S")},
                        {at(1, 1), code("5H")}, {at(2, 4), code("6H")}});
    for (int row : {4, 3, 2}) drag(w.Image1[at(1, row)], w.slot[1]);
    ASSERT_EQ(tagOf(w, w.Image1[1]), "101");
    sounds.clear();
    const ft::FortyThievesTable before = w.table;
    platform::Control* sources[] = {&w.deckpic, &w.blankslot[1], &w.slot[1], &w.Image2[1]};
    platform::Control* targets[] = {&w.Image1[at(2, 4)], &w.Image2[2], &w.blankslot[1], &w.slot[1]};
    for (platform::Control* source : sources)
        for (platform::Control* target : targets) target->raiseDragDrop(*source, 0, 0);
    EXPECT_EQ(w.table, before);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_TRUE(showsFile(w.slot[2], kMaroon));
}

TEST_F(FortyThievesTest, ACardGoesOnTheNextHigherCardOfItsSuitWithTheFlick) {
    auto& w = openWith({{at(1, 4), code("5H")}, {at(2, 4), code("6H")}, {at(3, 4), code("6D")}});
    drag(w.Image1[at(1, 4)], w.Image1[at(3, 4)]);
    EXPECT_TRUE(sounds.played().empty()) << "a refused drop is silent";
    EXPECT_EQ(tagOf(w, w.Image1[at(1, 4)]), "101");

    drag(w.Image1[at(1, 4)], w.Image1[at(2, 4)]);
    EXPECT_EQ(sounds.played(), kOneFlick);
    const platform::Image& five = w.Image1[at(1, 4)];
    EXPECT_EQ(tagOf(w, five), "102");
    EXPECT_DOUBLE_EQ(five.Top, w.Image1[at(2, 4)].Top + 300);
    EXPECT_EQ(five.Left, w.Image1[at(2, 4)].Left);
    EXPECT_TRUE(onTop(w, five));
    EXPECT_EQ(w.Image1[at(2, 4)].DragMode, platform::vbManual);
    EXPECT_EQ(tagOf(w, w.Image1[at(1, 3)]), "101");
    EXPECT_EQ(w.Image1[at(1, 3)].DragMode, platform::vbAutomatic);
    EXPECT_TRUE(onTop(w, w.Image1[at(1, 3)])) << "column 1's next card shows whole";
    expectMirrorsTable(w);
}

// At 800 x 600 a card placed on a covered card lies 261 twips below it, in front of the card that
// covered it; the target's column goes one step deeper.
TEST_F(FortyThievesTest, ACoveredCardTakesADropOnItsVisibleStrip) {
    setScreen(800, 600);
    auto& w = openWith({{at(9, 4), code("5C")}, {at(10, 2), code("6C")}, {at(4, 4), code("4C")}});
    dropOnStrip(w.Image1[at(9, 4)], w.Image1[at(10, 2)]);
    EXPECT_EQ(sounds.played(), kOneFlick);
    const platform::Image& five = w.Image1[at(9, 4)];
    EXPECT_EQ(tagOf(w, five), "110");
    EXPECT_DOUBLE_EQ(five.Top, w.Image1[at(10, 2)].Top + 300 * double(0.87f));
    EXPECT_TRUE(onTop(w, five));
    EXPECT_EQ(tagOf(w, w.Image1[at(10, 4)]), "210");
    EXPECT_EQ(w.Image1[at(10, 4)].DragMode, platform::vbManual);
    // The column's area takes the next card on it.
    drag(w.Image1[at(4, 4)], w.Image2[10], 500, 3000 * 0.87);
    EXPECT_EQ(tagOf(w, w.Image1[at(4, 4)]), "110");
    EXPECT_EQ(tagOf(w, five), "210");
    expectMirrorsTable(w);
}

TEST_F(FortyThievesTest, AnEmptyColumnTakesAnyCardSilentlyAndItsAreaTakesNone) {
    auto& w = openWith({
        {at(1, 1), code("AS")}, {at(1, 2), code("AC")}, {at(1, 3), code("AD")}, {at(1, 4), code("AH")},
        {at(2, 1), second("AS")}, {at(2, 2), second("AC")}, {at(2, 3), second("AD")}, {at(2, 4), second("AH")},
        {at(5, 4), code("KS")}, {41, code("7D")}, {at(6, 4), code("QS")},
    });
    for (int r = 4; r >= 1; --r) {
        drag(w.Image1[at(1, r)], w.slot[5 - r]);
        drag(w.Image1[at(2, r)], w.slot[9 - r]);
    }
    EXPECT_EQ(sounds.played().size(), 8u);
    EXPECT_TRUE(onTop(w, w.blankslot[1]));
    EXPECT_TRUE(onTop(w, w.blankslot[2]));

    // Below its placeholder, an empty column's area refuses.
    drag(w.Image1[at(6, 4)], w.Image2[1], 500, 4000);
    EXPECT_EQ(tagOf(w, w.Image1[at(6, 4)]), "106");

    drag(w.Image1[at(5, 4)], w.blankslot[1]);
    EXPECT_EQ(tagOf(w, w.Image1[at(5, 4)]), "101");
    EXPECT_EQ(w.Image1[at(5, 4)].Left, w.blankslot[1].Left);
    EXPECT_EQ(w.Image1[at(5, 4)].Top, w.blankslot[1].Top);
    EXPECT_TRUE(onTop(w, w.Image1[at(5, 4)]));
    drag(w.Image1[41], w.blankslot[2]);
    EXPECT_EQ(tagOf(w, w.Image1[41]), "102");
    EXPECT_EQ(sounds.played().size(), 8u) << "placeholder drops are silent";

    // The column started afresh builds down like any other.
    drag(w.Image1[at(6, 4)], w.Image1[at(5, 4)]);
    EXPECT_EQ(tagOf(w, w.Image1[at(6, 4)]), "101");
    EXPECT_EQ(sounds.played().size(), 9u);
    expectMirrorsTable(w);
}

TEST_F(FortyThievesTest, FoundationsBuildByRankAloneAndCoverTheirCards) {
    auto& w = openWith({{at(1, 4), code("AS")}, {at(2, 4), second("AS")}, {at(3, 4), code("2H")},
                        {at(4, 4), code("3D")}, {41, code("3C")}});
    drag(w.Image1[at(3, 4)], w.slot[1]);
    EXPECT_TRUE(sounds.played().empty()) << "a two on an empty foundation is refused";
    EXPECT_TRUE(showsFile(w.slot[1], kMaroon));

    drag(w.Image1[at(1, 4)], w.slot[1]);
    drag(w.Image1[at(2, 4)], w.slot[2]);
    drag(w.Image1[at(3, 4)], w.slot[1]);
    drag(w.Image1[at(4, 4)], w.slot[2]);
    EXPECT_EQ(sounds.played().size(), 3u) << "the three on an ace was refused";
    EXPECT_EQ(w.slot[1].Picture, w.Image1[at(3, 4)].Picture) << "the foundation shows the two of hearts";
    EXPECT_EQ(w.slot[2].Picture, w.Image1[at(2, 4)].Picture);
    for (int k : {at(1, 4), at(2, 4), at(3, 4)}) {
        const platform::Image& card = w.Image1[k];
        EXPECT_EQ(card.DragMode, platform::vbManual) << k;
        EXPECT_FALSE(onTop(w, card)) << "covered by its foundation";
    }
    EXPECT_TRUE(onTop(w, w.slot[1]));
    EXPECT_TRUE(onTop(w, w.slot[2]));

    // The waste's card goes up too, and the waste stays empty until the stock turns.
    drag(w.Image1[41], w.slot[1]);
    EXPECT_EQ(w.table.nextrank[1], 4);
    EXPECT_EQ(w.slot[1].Picture, w.Image1[41].Picture);
    EXPECT_EQ(platform::input::hitTest(w, w.Image1[41].Left + 50, w.Image1[41].Top + 50), &w.slot[1]);
    const ft::Place waste = ft::wasteplace(1);
    EXPECT_EQ(platform::input::hitTest(w, waste.Left + 500, waste.Top + 500), nullptr) << "the bare table";
    turn(w);
    EXPECT_TRUE(onTop(w, w.Image1[42]));
    EXPECT_EQ(tagOf(w, w.Image1[42]), "4001");
    expectMirrorsTable(w);
}

// However many cards are turned and moved afterwards, a foundation's cards stay under it, keep
// their tags and never drag again.
TEST_F(FortyThievesTest, AFoundationCardNeverComesBackIntoPlay) {
    auto& w = openWith({{41, code("AH")}, {at(1, 4), code("AS")}, {at(1, 3), code("5D")}, {at(2, 4), code("4D")},
                        {at(3, 4), code("3D")}, {at(4, 4), second("4D")}});
    drag(w.Image1[41], w.slot[8]);
    drag(w.Image1[at(1, 4)], w.slot[7]);
    const std::string wasteAceTag = tagOf(w, w.Image1[41]);
    const std::string columnAceTag = tagOf(w, w.Image1[at(1, 4)]);
    turn(w, 20);
    drag(w.Image1[at(2, 4)], w.Image1[at(1, 3)]);
    drag(w.Image1[at(3, 4)], w.Image1[at(2, 4)]);
    drag(w.Image1[at(3, 4)], w.Image1[at(4, 4)]);
    EXPECT_EQ(sounds.played().size(), 25u);
    for (const auto& [k, tag] : {std::pair{41, wasteAceTag}, std::pair{at(1, 4), columnAceTag}}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(tagOf(w, w.Image1[k]), tag);
        EXPECT_EQ(w.Image1[k].DragMode, platform::vbManual);
        EXPECT_FALSE(onTop(w, w.Image1[k]));
    }
    EXPECT_TRUE(onTop(w, w.slot[8]));
    EXPECT_TRUE(onTop(w, w.slot[7]));
    EXPECT_EQ(tagOf(w, w.Image1[at(1, 3)]), "201");
    EXPECT_EQ(tagOf(w, w.Image1[at(2, 4)]), "101");
}

TEST_F(FortyThievesTest, TheStockTurnsOnceThinningOutAndIsGone) {
    auto& w = openGame<fortythieves>();
    turn(w);
    EXPECT_EQ(sounds.played(), kOneFlick);
    EXPECT_EQ(tagOf(w, w.Image1[42]), "4001");
    EXPECT_EQ(tagOf(w, w.Image1[41]), "4002");
    EXPECT_TRUE(onTop(w, w.Image1[42]));
    const platform::Picture full = w.deckpic.Picture.get();
    turn(w, 31);
    EXPECT_EQ(w.deckpic.Picture, full) << "the full pile is kept, not loaded again, down to 31 cards";
    turn(w);
    EXPECT_TRUE(showsFile(w.deckpic, core::stockhalf)) << "after the 33rd turn";
    turn(w, 22);
    EXPECT_TRUE(showsFile(w.deckpic, core::stockhalf));
    turn(w);
    EXPECT_TRUE(showsFile(w.deckpic, core::stockthin)) << "after the 56th turn";
    turn(w, 6);
    EXPECT_TRUE(w.deckpic.Visible);
    turn(w);
    EXPECT_FALSE(w.deckpic.Visible) << "after the 63rd turn";
    EXPECT_EQ(w.table.stockleft, 0);
    EXPECT_EQ(sounds.played().size(), 63u);
    click(w.deckpic);
    EXPECT_EQ(sounds.played().size(), 63u) << "a hidden stock takes no click";
    EXPECT_TRUE(onTop(w, w.Image1[104]));
    expectMirrorsTable(w);
}

TEST_F(FortyThievesTest, NewGameAfterFoundationsAndAnEmptyStockDealsAFreshTable) {
    auto& w = openWith({{at(1, 4), code("AS")}, {at(2, 4), code("AC")}, {41, code("AD")}});
    drag(w.Image1[at(1, 4)], w.slot[1]);
    drag(w.Image1[at(2, 4)], w.slot[2]);
    drag(w.Image1[41], w.slot[3]);
    turn(w, 63);
    ASSERT_FALSE(w.deckpic.Visible);
    const auto before = w.table.deckorder;

    chooseMenu(w.newgame);
    EXPECT_NE(w.table.deckorder, before) << "a new shuffle";
    for (int k = 1; k <= 8; ++k) {
        EXPECT_TRUE(showsFile(w.slot[k], kMaroon)) << k;
        EXPECT_EQ(w.table.nextrank[k], 1);
    }
    for (int k = 1; k <= 104; ++k) EXPECT_FALSE(w.table.card[k].onfoundation) << k;
    EXPECT_TRUE(w.deckpic.Visible);
    EXPECT_TRUE(w.deckpic.Enabled);
    EXPECT_TRUE(showsFile(w.deckpic, core::stockfull));
    EXPECT_EQ(w.table.stockleft, 63);
    std::set<int> free;
    for (int k = 31; k <= 41; ++k) free.insert(k);
    EXPECT_EQ(draggable(w), free);
    for (int k = 31; k <= 41; ++k) EXPECT_TRUE(onTop(w, w.Image1[k])) << k;
    expectMirrorsTable(w);
    // A new ace starts any foundation again.
    for (int k = 31; k <= 41; ++k)
        if (w.table.card[k].cardrank == 1) {
            drag(w.Image1[k], w.slot[1]);
            EXPECT_EQ(w.table.nextrank[1], 2);
            break;
        }
}

class FortyThievesGame : public FortyThievesTest {
public:
    void dragCard(platform::Control& source, platform::Control& target) { drag(source, target); }
    void clickStock(fortythieves& w) { turn(w); }
};

// The longest column a game can build: a king dealt on top and the twelve cards below it. The
// window grows downward as the column grows, moving up where the screen ends, so that the top card
// stays whole in sight; at 640 x 480 the design's height already holds it.
TEST_F(FortyThievesTest, ALongColumnGrowsTheWindowToKeepItsTopCardInSight) {
    const struct {
        int width;
        int height;
        bool grows;
    } cases[] = {{1024, 768, true}, {800, 600, true}, {640, 480, false}};
    const char* hearts[] = {"QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH"};
    std::map<int, int> deal{{at(1, 4), code("KH")}, {41, code("2C")}};
    for (int i = 0; i < 12; ++i) deal[42 + i] = code(hearts[i]);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        auto& w = openWith(deal);
        const double designHeight = w.Height;
        const double designWidth = w.Width;
        int on = at(1, 4);
        for (int k = 42; k <= 53; ++k) {
            turn(w);
            drag(w.Image1[k], w.Image1[on]);
            on = k;
            const platform::Image& top = w.Image1[k];
            EXPECT_EQ(tagOf(w, top), "101");
            EXPECT_LE(top.Top + top.Height, w.ScaleHeight()) << k;
            EXPECT_GE(w.Top, 0);
            EXPECT_LE(w.Top + w.Height, c.height * 15);
        }
        EXPECT_EQ(ft::columncards(w.table, 1).size(), 16u);
        EXPECT_EQ(w.Height > designHeight, c.grows);
        EXPECT_EQ(w.Width, designWidth);
        w.Unload();
        settle();
    }
}

// A simple player: foundations first, then a free card onto the next higher card of its suit
// (never one that already lies on such a card), then the waste's card into an empty column, then
// the stock. Every move goes through the window's drag and click.
class SimplePlayer {
public:
    SimplePlayer(FortyThievesGame& test, fortythieves& w) : test_(test), w_(w) {}

    int foundationDrops = 0, tableauDrops = 0, placeholderDrops = 0, turns = 0;

    bool move() { return tofoundation() || ontableau() || intoemptycolumn() || turn(); }

    std::vector<int> freecards() const {
        std::vector<int> cards;
        for (int k = 1; k <= ft::kCards; ++k)
            if (ft::movable(w_.table, k)) cards.push_back(k);
        return cards;
    }

private:
    bool tofoundation() {
        for (int d : freecards())
            for (int f = 1; f <= ft::kFoundations; ++f)
                if (w_.table.card[d].cardrank == w_.table.nextrank[f]) {
                    test_.dragCard(w_.Image1[d], w_.slot[f]);
                    ++foundationDrops;
                    return true;
                }
        return false;
    }

    bool fits(int d, int target) const {
        const ft::Card& a = w_.table.card[d];
        const ft::Card& b = w_.table.card[target];
        return a.cardsuit == b.cardsuit && a.cardrank + 1 == b.cardrank;
    }

    bool ontableau() {
        for (int d : freecards()) {
            if (w_.table.card[d].tag != ft::kTopOfWaste) {
                const std::vector<int> column = ft::columncards(w_.table, ft::columnof(w_.table.card[d].tag));
                if (column.size() >= 2 && fits(d, column[column.size() - 2])) continue;
            }
            for (int c = 1; c <= ft::kColumns; ++c) {
                const int top = ft::topcard(w_.table, c);
                if (top == 0 || top == d || !fits(d, top) || ft::columncards(w_.table, c).size() >= 19) continue;
                test_.dragCard(w_.Image1[d], w_.Image1[top]);
                ++tableauDrops;
                return true;
            }
        }
        return false;
    }

    bool intoemptycolumn() {
        const int waste = w_.table.wastetop;
        if (w_.table.card[waste].tag != ft::kTopOfWaste || w_.table.card[waste].onfoundation) return false;
        for (int c = 1; c <= ft::kColumns; ++c)
            if (ft::topcard(w_.table, c) == 0) {
                test_.dragCard(w_.Image1[waste], w_.blankslot[c]);
                ++placeholderDrops;
                return true;
            }
        return false;
    }

    bool turn() {
        if (w_.table.stockleft == 0) return false;
        test_.clickStock(w_);
        ++turns;
        return true;
    }

    FortyThievesGame& test_;
    fortythieves& w_;
};

TEST_F(FortyThievesGame, ASeededDealIsPlayedUntilTheStockIsOutAndNoMoveIsLeft) {
    auto& w = openGame<fortythieves>();
    SimplePlayer player(*this, w);
    int moves = 0;
    while (moves < 1000 && !HasFailure() && player.move()) ++moves;
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(w.table.stockleft, 0);
    EXPECT_FALSE(w.deckpic.Visible);
    EXPECT_EQ(player.turns, 63);
    // No free card fits a foundation.
    for (int d : player.freecards())
        for (int f = 1; f <= ft::kFoundations; ++f) EXPECT_NE(w.table.card[d].cardrank, w.table.nextrank[f]);
    int built = 0;
    for (int f = 1; f <= ft::kFoundations; ++f) {
        built += w.table.nextrank[f] - 1;
        if (w.table.nextrank[f] > 1) {
            EXPECT_EQ(w.slot[f].Picture, w.Image1[w.table.slotcard[f]].Picture);
        }
    }
    EXPECT_EQ(built, player.foundationDrops);
    EXPECT_GT(player.foundationDrops, 20);
    EXPECT_GT(player.tableauDrops, 10);
    EXPECT_GT(player.placeholderDrops, 0);
    EXPECT_EQ(sounds.played().size(), std::size_t(player.turns + player.foundationDrops + player.tableauDrops))
        << "the flick on turns, tableau and foundation drops only";
    expectMirrorsTable(w);
}

}  // namespace
