#include "accordion_fixture.h"

#include "core/stock.h"

#include <string>

namespace {

TEST_F(AccordionTest, FirstClickLaysPositionOneBesideTheStockAtEachScale) {
    // At both small screens the window's own factor would take it past the screen: it shrinks to fit.
    for (const auto& [width, height, scale] : {std::tuple{1024, 768, 1.0}, std::tuple{800, 600, double(0.73f)},
                                               std::tuple{640, 480, double(0.51f)}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        setScreen(width, height);
        auto& a = openGame<Accordian>();
        sounds.clear();
        click(a.deck);
        EXPECT_DOUBLE_EQ(a.cardpic[1].Left, 2280 * scale);
        EXPECT_DOUBLE_EQ(a.cardpic[1].Top, 240 * scale);
        EXPECT_TRUE(inSight(a, 1));
        for (int k = 2; k <= 52; ++k) {
            EXPECT_EQ(a.Image[k].Left, -5000) << k;
            EXPECT_EQ(a.Image[k].Top, -5000) << k;
        }
        expectRowMirrorsSlots(a);
        EXPECT_TRUE(showsFile(a.deck, core::stockfull));
        EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
        a.Unload();
        settle();
    }
}

enum class Pile { Full, Half, Thin, None };

Pile pileAfter(int click) {
    if (click <= 25) return Pile::Full;
    if (click <= 45) return Pile::Half;
    return click <= 51 ? Pile::Thin : Pile::None;
}

TEST_F(AccordionTest, FiftyTwoClicksDealTheWholeStockIntoSixRows) {
    auto& a = openWith(accordiontest::inOrder());
    sounds.clear();
    for (int k = 1; k <= 52; ++k) {
        SCOPED_TRACE("click " + std::to_string(k));
        click(a.deck);
        EXPECT_EQ(a.table.pilecount, k);
        EXPECT_TRUE(inSight(a, k));
        EXPECT_EQ(shown(a, a.Image[k]), k);
        if (k < 52) {
            EXPECT_FALSE(inSight(a, k + 1));
        }
        EXPECT_EQ(a.deck.Visible, pileAfter(k) != Pile::None);
        switch (pileAfter(k)) {
        case Pile::Full: EXPECT_TRUE(showsFile(a.deck, core::stockfull)); break;
        case Pile::Half: EXPECT_TRUE(showsFile(a.deck, core::stockhalf)); break;
        case Pile::Thin: EXPECT_TRUE(showsFile(a.deck, core::stockthin)); break;
        case Pile::None: EXPECT_FALSE(a.deck.Visible); break;
        }
    }
    expectRowMirrorsSlots(a);
    EXPECT_EQ(sounds.played().size(), 52u);
    EXPECT_EQ(a.Image[7].Left, 9960);
    EXPECT_EQ(a.Image[8].Left, 240);
    EXPECT_EQ(a.Image[8].Top, 1800);
    EXPECT_EQ(a.Image[26].Top, 4925);
    EXPECT_EQ(a.Image[27].Top, 4920);
    EXPECT_EQ(a.Image[52].Top, 8040);

    // The hidden stock takes no click: whatever lies where it was gets it, and nothing happens.
    const View before = view(a);
    click(a.deck);
    EXPECT_TRUE(view(a) == before);
    EXPECT_EQ(sounds.played().size(), 52u);
}

TEST_F(AccordionTest, SmallestScreenStepsTheRowByTheWholeStep) {
    setScreen(640, 480);
    auto& a = openWith(accordiontest::inOrder());
    // The factor that fits this screen, 0.51: the steps are whole twips, 653 across and 949 down.
    ASSERT_EQ(a.table.scale, 0.51f);
    const double s = a.table.scale;
    deal(a, 16);
    EXPECT_NEAR(a.Image[16].Left, 240 * s + 8 * 653, 0.001) << "122.4 + 8 x 653, not 10480 x 0.51";
    EXPECT_NEAR(a.Image[8].Top, 1800 * s, 0.001);
    deal(a, 10);
    EXPECT_NEAR(a.Image[26].Top, 3065 * s + 949, 0.001);
}

TEST_F(AccordionTest, EmptiedPositionsShowAgainAtTheirOldPlacesWithTheNextCards) {
    auto& a = openWith(accordiontest::inOrder());
    deal(a, 12);
    drag(a.Image[2], a.Image[1]);
    drag(a.Image[9], a.Image[6]);
    ASSERT_EQ(a.table.pilecount, 10);
    const double left11 = a.Image[11].Left;
    const double top11 = a.Image[11].Top;
    EXPECT_FALSE(a.Image[11].Visible);
    EXPECT_FALSE(a.Image[12].Visible);
    EXPECT_FALSE(a.cardpic[11].Visible);

    click(a.deck);
    EXPECT_TRUE(a.Image[11].Visible);
    EXPECT_EQ(a.Image[11].Left, left11);
    EXPECT_EQ(a.Image[11].Top, top11);
    EXPECT_EQ(shown(a, a.Image[11]), 13);
    EXPECT_FALSE(a.Image[12].Visible);
    click(a.deck);
    EXPECT_TRUE(inSight(a, 12));
    EXPECT_EQ(shown(a, a.Image[12]), 14);
    EXPECT_EQ(a.table.laidout, 12);
    click(a.deck);
    EXPECT_TRUE(inSight(a, 13));
    EXPECT_EQ(shown(a, a.Image[13]), 15);
    EXPECT_EQ(a.table.laidout, 13);
    expectRowMirrorsSlots(a);
}

}  // namespace
