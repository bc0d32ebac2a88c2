#include "golf_fixture.h"

#include <string>
#include <vector>

namespace {

using platform::vbAutomatic;
using platform::vbManual;
const std::vector<std::string> kFlick{"flick.wav"};

struct MoveCase { int waste; int card; bool taken; };

TEST_F(GolfTest, BottomCardGoesOntoTheWasteOneRankUpOrDown) {
    const MoveCase cases[] = {
        {card("AS"), card("2H"), true},   {card("AS"), card("KH"), false}, {card("AS"), card("AH"), false},
        {card("KS"), card("QH"), true}, {card("KS"), card("AH"), false}, {card("KS"), card("JH"), false},
        {card("QS"), card("JH"), true}, {card("QS"), card("KH"), true}, {card("QS"), card("QH"), false},
        {card("7D"), card("6C"), true},   {card("7D"), card("9C"), false},
    };
    auto& g = openGame<golf>();
    for (const auto& c : cases) {
        g.dealKnown(gp::completeDeck({{52, c.waste}, {4, c.card}}));
        sounds.clear();
        drag(g.cardpic[4], g.Image2);
        const int onWaste = c.taken ? c.card : c.waste;
        SCOPED_TRACE(std::to_string(c.card) + " onto " + std::to_string(c.waste));
        EXPECT_EQ(g.table.waste, onWaste);
        expectFacesShowTheTable(g);
        EXPECT_EQ(g.cardpic[4].Visible, !c.taken);
        EXPECT_EQ(g.cardpic[11].DragMode, c.taken ? vbAutomatic : vbManual);
        EXPECT_EQ(sounds.played(), kFlick) << "every drop on the zone sounds";
    }
}

TEST_F(GolfTest, PlayingAColumnDownFreesEachCardAndEmptiesIt) {
    // Column 1 from the bottom: 4, 5, 4, 5, 4 onto a waste five.
    auto& g = openWith({{52, card("5S")}, {1, card("4H")}, {8, card("5H")}, {15, card("4D")},
                        {22, card("5D")}, {29, card("4C")}});
    for (int t : {1, 8, 15, 22, 29}) {
        drag(g.cardpic[t], g.Image2);
        EXPECT_FALSE(g.cardpic[t].Visible) << t;
        EXPECT_EQ(g.Image1.Picture, g.cardpic[t].Picture) << t;
        if (t <= 28) {
            EXPECT_EQ(g.cardpic[t + 7].DragMode, vbAutomatic) << t;
        }
    }
    EXPECT_EQ(draggable(g), (std::set<int>{2, 3, 4, 5, 6, 7}))
        << "the emptied column frees nothing";
    EXPECT_EQ(shown(g, g.Image1), card("4C"));
    EXPECT_EQ(sounds.played().size(), 5u);
}

TEST_F(GolfTest, RefusedCardStaysAndTheRestOfTheTableIsUntouched) {
    auto& g = openWith({{52, card("9S")}, {2, card("9H")}});
    const int waste = shown(g, g.Image1);
    drag(g.cardpic[2], g.Image2);
    EXPECT_EQ(shown(g, g.Image1), waste);
    EXPECT_TRUE(g.cardpic[2].Visible);
    EXPECT_EQ(draggable(g), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(sounds.played(), kFlick);
}

TEST_F(GolfTest, DropsAnywhereOnTheZoneCount) {
    // The margins round the waste card, and the strip over the top edge of a top-row card under
    // the zone's lower edge (column 5: card 33 at Left 5400, Top 2280).
    const std::pair<double, double> points[] = {{60, 60}, {4500, 2200}, {2420, 2290}};
    auto& g = openGame<golf>();
    for (auto [x, y] : points) {
        g.dealKnown(gp::completeDeck({{52, card("6S")}, {5, card("7H")}}));
        drag(g.cardpic[5], g.Image2, x, y);
        EXPECT_FALSE(g.cardpic[5].Visible) << x << ", " << y;
        EXPECT_EQ(shown(g, g.Image1), card("7H")) << x << ", " << y;
    }
}

// A pointer move over any card brings the zone forward again, whatever lies in front of it.
TEST_F(GolfTest, ZoneComesForwardWhenThePointerMovesOverACard) {
    auto& g = openWith({{52, card("6S")}, {5, card("7H")}});
    g.Image2.ZOrder(1);
    mouseMove(g.cardpic[35]);
    EXPECT_EQ(g.lightControls().back(), &g.Image2);
    drag(g.cardpic[5], g.Image2, 2420, 2290);
    EXPECT_FALSE(g.cardpic[5].Visible);
}

TEST_F(GolfTest, DropOutsideTheZoneChangesNothingAndIsSilent) {
    auto& g = openWith({{52, card("6S")}, {5, card("7H")}});
    drag(g.cardpic[5], g.cardpic[6]);
    dragTo(g.cardpic[5], 9000, 6000);
    drag(g.cardpic[5], g.cardpic[5]);
    EXPECT_TRUE(g.cardpic[5].Visible);
    EXPECT_EQ(shown(g, g.Image1), card("6S"));
    EXPECT_EQ(draggable(g), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GolfTest, RuleComparesWithTheCardJustTurned) {
    // Waste five; the first stock card is a nine. A four fitted the five, a ten fits the nine.
    auto& g = openWith({{52, card("5S")}, {36, card("9H")}, {1, card("10D")}, {2, card("4D")}});
    click(g.deck);
    EXPECT_EQ(shown(g, g.Image1), card("9H"));
    drag(g.cardpic[2], g.Image2);
    EXPECT_TRUE(g.cardpic[2].Visible);
    drag(g.cardpic[1], g.Image2);
    EXPECT_FALSE(g.cardpic[1].Visible);
    EXPECT_EQ(shown(g, g.Image1), card("10D"));
}

TEST_F(GolfTest, DropsAreSilentWithTheSoundSwitchedOff) {
    auto& g = openWith({{52, card("6S")}, {5, card("7H")}});
    chooseMenu(g.off);
    drag(g.cardpic[5], g.Image2);
    EXPECT_FALSE(g.cardpic[5].Visible);
    EXPECT_TRUE(sounds.played().empty());
}

}  // namespace
