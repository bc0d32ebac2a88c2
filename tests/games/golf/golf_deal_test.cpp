#include "golf_fixture.h"

#include "art/card_face.h"
#include "core/stock.h"

#include <algorithm>
#include <string>

namespace {

using platform::vbAutomatic;

TEST_F(GolfTest, DealShowsEveryCardOnceAndFillsTheRanks) {
    auto& g = openGame<golf>();
    std::set<int> codes;
    for (int k = 1; k <= 52; ++k) {
        codes.insert(g.table.deckorder[k]);
        EXPECT_EQ(shown(g, g.cardpic[k]), g.table.deckorder[k]) << k;
        EXPECT_TRUE(g.cardpic[k].Visible) << k;
        EXPECT_EQ(g.table.cardused[k], -1) << k;
    }
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 52);
    EXPECT_EQ(g.table.waste, g.table.deckorder[52]);
    expectFacesShowTheTable(g);
}

TEST_F(GolfTest, CodesShowTheirFacesInWindowOrder) {
    struct FaceCase { int code; art::Suit suit; int rank; };
    const FaceCase cases[] = {
        {1, art::Suit::Spades, 1},    {13, art::Suit::Spades, 13},  {14, art::Suit::Hearts, 1},
        {26, art::Suit::Hearts, 13},  {27, art::Suit::Diamonds, 1}, {39, art::Suit::Diamonds, 13},
        {40, art::Suit::Clubs, 1},    {52, art::Suit::Clubs, 13},
    };
    std::map<int, int> placed;
    for (int k = 0; k < 8; ++k) placed[k + 1] = cases[k].code;
    auto& g = openWith(placed);
    for (int k = 0; k < 8; ++k) {
        const auto& c = cases[k];
        EXPECT_TRUE(g.cardpic[k + 1].Picture->image() == art::cardFace(c.suit, c.rank)) << c.code;
        EXPECT_EQ(shown(g, g.cardpic[k + 1]), c.code);
    }
}

TEST_F(GolfTest, DealLaysTheTableStockAndWaste) {
    auto& g = openGame<golf>();
    EXPECT_EQ(g.Caption.get(), "Golf");
    EXPECT_DOUBLE_EQ(g.ScaleWidth(), 9420);
    EXPECT_DOUBLE_EQ(g.ScaleHeight(), 6600);
    EXPECT_EQ(g.table.nextdraw, 36);
    for (int k = 36; k <= 51; ++k) EXPECT_DOUBLE_EQ(g.cardpic[k].Top, -1700) << k;
    EXPECT_EQ(draggable(g), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(g.deck.Visible);
    EXPECT_TRUE(showsFile(g.deck, core::stockhalf));
    EXPECT_FALSE(g.cardback.Visible);
}

// The first deal shows the cards at the size of every later deal, not the faces' own size.
TEST_F(GolfTest, FirstDealShowsCardsAtTheirDesignSize) {
    auto& g = openGame<golf>();
    for (int k : {1, 35, 36, 51}) {
        EXPECT_DOUBLE_EQ(g.cardpic[k].Width, 975) << k;
        EXPECT_DOUBLE_EQ(g.cardpic[k].Height, 1335) << k;
    }
    for (const platform::Image* waste : {&g.cardpic[52], &g.Image1}) {
        EXPECT_DOUBLE_EQ(waste->Width, 1455);
        EXPECT_DOUBLE_EQ(waste->Height, 1815);
    }
    chooseMenu(g.new_);
    EXPECT_DOUBLE_EQ(g.cardpic[1].Width, 975);
    EXPECT_DOUBLE_EQ(g.Image1.Width, 1455);
}

TEST_F(GolfTest, TableCardsLieInColumnsWithTheLowerCardInFront) {
    auto& g = openGame<golf>();
    const std::pair<int, std::pair<double, double>> places[] = {
        {1, {600, 3720}}, {7, {7800, 3720}}, {8, {600, 3360}}, {29, {600, 2280}}, {35, {7800, 2280}}};
    for (auto [k, place] : places) {
        EXPECT_DOUBLE_EQ(g.cardpic[k].Left, place.first) << k;
        EXPECT_DOUBLE_EQ(g.cardpic[k].Top, place.second) << k;
    }
    // Back to front.
    const auto& order = g.lightControls();
    auto depth = [&](const platform::Control& c) { return std::find(order.begin(), order.end(), &c) - order.begin(); };
    for (int k = 1; k <= 28; ++k) EXPECT_GT(depth(g.cardpic[k]), depth(g.cardpic[k + 7])) << k;
    EXPECT_GT(depth(g.Image1), depth(g.cardpic[52]));
    EXPECT_EQ(order.back(), &g.Image2);
}

TEST_F(GolfTest, NewGameMidGameDealsAFreshTableAtOnce) {
    auto& g = openWith({{52, card("5S")}, {3, card("4H")}});
    drag(g.cardpic[3], g.Image2);
    for (int n = 1; n <= 15; ++n) click(g.deck);
    ASSERT_TRUE(g.cardback.Visible);
    sounds.clear();

    chooseMenu(g.new_);
    for (int k = 1; k <= 52; ++k) EXPECT_TRUE(g.cardpic[k].Visible) << k;
    EXPECT_EQ(g.table.nextdraw, 36);
    EXPECT_TRUE(g.deck.Visible);
    EXPECT_TRUE(showsFile(g.deck, core::stockhalf));
    EXPECT_FALSE(g.cardback.Visible) << "one stock picture at a time";
    EXPECT_EQ(draggable(g), (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(g.table.waste, g.table.deckorder[52]);
    expectFacesShowTheTable(g);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
