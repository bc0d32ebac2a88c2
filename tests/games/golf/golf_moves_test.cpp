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
        {code(1, 0), code(2, 1), true},   {code(1, 0), code(13, 1), false}, {code(1, 0), code(1, 1), false},
        {code(13, 0), code(12, 1), true}, {code(13, 0), code(1, 1), false}, {code(13, 0), code(11, 1), false},
        {code(12, 0), code(11, 1), true}, {code(12, 0), code(13, 1), true}, {code(12, 0), code(12, 1), false},
        {code(7, 2), code(6, 3), true},   {code(7, 2), code(9, 3), false},
    };
    auto& g = open<golf>();
    for (const auto& c : cases) {
        g.dealKnown(dealWith({{52, c.waste}, {4, c.card}}));
        sounds.clear();
        drag(g.cardpic[4], g.Image2);
        const int onWaste = c.taken ? c.card : c.waste;
        SCOPED_TRACE(std::to_string(c.card) + " onto " + std::to_string(c.waste));
        EXPECT_EQ(shown(g, g.Image1), onWaste);
        EXPECT_EQ(g.cardpic[52].Picture, g.Image1.Picture);
        EXPECT_EQ(g.number[52], (onWaste - 1) % 13 + 1);
        EXPECT_EQ(g.cardpic[4].Visible, !c.taken);
        EXPECT_EQ(g.cardpic[11].DragMode, c.taken ? vbAutomatic : vbManual);
        EXPECT_EQ(sounds.played(), kFlick) << "every drop on the zone sounds";
    }
}

TEST_F(GolfTest, PlayingAColumnDownFreesEachCardAndEmptiesIt) {
    // Column 1 from the bottom: 4, 5, 4, 5, 4 onto a waste five.
    auto& g = openWith({{52, code(5, 0)}, {1, code(4, 1)}, {8, code(5, 1)}, {15, code(4, 2)},
                        {22, code(5, 2)}, {29, code(4, 3)}});
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
    EXPECT_EQ(shown(g, g.Image1), code(4, 3));
    EXPECT_EQ(sounds.played().size(), 5u);
}

TEST_F(GolfTest, RefusedCardStaysAndTheRestOfTheTableIsUntouched) {
    auto& g = openWith({{52, code(9, 0)}, {2, code(9, 1)}});
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
    auto& g = open<golf>();
    for (auto [x, y] : points) {
        g.dealKnown(dealWith({{52, code(6, 0)}, {5, code(7, 1)}}));
        drag(g.cardpic[5], g.Image2, x, y);
        EXPECT_FALSE(g.cardpic[5].Visible) << x << ", " << y;
        EXPECT_EQ(shown(g, g.Image1), code(7, 1)) << x << ", " << y;
    }
}

// A pointer move over any card brings the zone forward again, whatever lies in front of it.
TEST_F(GolfTest, ZoneComesForwardWhenThePointerMovesOverACard) {
    auto& g = openWith({{52, code(6, 0)}, {5, code(7, 1)}});
    g.Image2.ZOrder(1);
    mouseMove(g.cardpic[35]);
    EXPECT_EQ(g.lightControls().back(), &g.Image2);
    drag(g.cardpic[5], g.Image2, 2420, 2290);
    EXPECT_FALSE(g.cardpic[5].Visible);
}

TEST_F(GolfTest, DropOutsideTheZoneChangesNothingAndIsSilent) {
    auto& g = openWith({{52, code(6, 0)}, {5, code(7, 1)}});
    drag(g.cardpic[5], g.cardpic[6]);
    dragTo(g.cardpic[5], 9000, 6000);
    drag(g.cardpic[5], g.cardpic[5]);
    EXPECT_TRUE(g.cardpic[5].Visible);
    EXPECT_EQ(shown(g, g.Image1), code(6, 0));
    EXPECT_EQ(draggable(g), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(sounds.played().empty());
}

TEST_F(GolfTest, RuleComparesWithTheCardJustTurned) {
    // Waste five; the first stock card is a nine. A four fitted the five, a ten fits the nine.
    auto& g = openWith({{52, code(5, 0)}, {36, code(9, 1)}, {1, code(10, 2)}, {2, code(4, 2)}});
    click(g.deck);
    EXPECT_EQ(g.number[52], 9);
    drag(g.cardpic[2], g.Image2);
    EXPECT_TRUE(g.cardpic[2].Visible);
    drag(g.cardpic[1], g.Image2);
    EXPECT_FALSE(g.cardpic[1].Visible);
    EXPECT_EQ(g.number[52], 10);
}

TEST_F(GolfTest, DropsAreSilentWithTheSoundSwitchedOff) {
    auto& g = openWith({{52, code(6, 0)}, {5, code(7, 1)}});
    chooseMenu(g.off);
    drag(g.cardpic[5], g.Image2);
    EXPECT_FALSE(g.cardpic[5].Visible);
    EXPECT_TRUE(sounds.played().empty());
}

}  // namespace
