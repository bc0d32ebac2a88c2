#include "hearts_fixture.h"

#include "core/cards.h"

#include <string>

using heartsrules::scaled;

namespace {

using HeartsPass = HeartsTest;

TEST_F(HeartsPass, ThreeRaisedCardsEnableThePassAndAFourthStays) {
    hearts& h = openGame<hearts>();
    for (int slot : {45, 41, 50}) click(h.Image1[slot]);
    for (int slot : {45, 41, 50}) EXPECT_DOUBLE_EQ(h.Image1[slot].Top, 5680);
    EXPECT_TRUE(h.Command1.Enabled);
    click(h.Image1[52]);
    EXPECT_DOUBLE_EQ(h.Image1[52].Top, 5880);
    EXPECT_EQ(h.table.passcount, 3);
    click(h.Image1[41]);
    EXPECT_DOUBLE_EQ(h.Image1[41].Top, 5880);
    EXPECT_FALSE(h.Command1.Enabled);
    click(h.Image1[30]);
    EXPECT_DOUBLE_EQ(h.Image1[30].Top, 600) << "other hands only make the sound";
    EXPECT_EQ(sounds.played(), std::vector<std::string>(6, "flick.wav"));
}

TEST_F(HeartsPass, RaisingWorksAtTheSmallerScreens) {
    for (auto [width, height, scale] : {std::tuple{800, 600, 0.9f}, std::tuple{640, 480, 0.7f}}) {
        setScreen(width, height);
        hearts& h = openGame<hearts>();
        click(h.Image1[44]);
        EXPECT_NEAR(h.Image1[44].Top, scaled(5680, scale), 0.01);
        click(h.Image1[44]);
        EXPECT_NEAR(h.Image1[44].Top, scaled(5880, scale), 0.01);
        EXPECT_EQ(h.table.passcount, 0);
        h.Unload();
        settle();
    }
}

TEST_F(HeartsPass, EachDirectionSwapsTheRaisedCardsWithThatSeat) {
    const struct { const char* state; const char* caption; std::array<int, 3> targets; } cases[] = {
        {"1", "Pass Left", {11, 12, 13}}, {"2", "Pass Right", {24, 25, 26}}, {"3", "Pass Foward", {37, 38, 39}}};
    hearts& h = openGame<hearts>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        if (std::string(c.state) != "1") nextHand(h, c.state);
        EXPECT_EQ(h.Command1.Caption.get(), c.caption);
        EXPECT_FALSE(h.Command1.Enabled);
        const auto before = h.table.deckorder;
        for (int slot : {47, 40, 52}) click(h.Image1[slot]);
        click(h.Command1);
        const std::array<int, 3> raised{47, 40, 52};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(h.table.deckorder[raised[k]], before[c.targets[k]]);
            EXPECT_EQ(h.table.deckorder[c.targets[k]], before[raised[k]]);
            EXPECT_TRUE(showsFile(h.Image1[raised[k]], core::facefile(before[c.targets[k]])));
            EXPECT_DOUBLE_EQ(h.Image1[raised[k]].Top, 5680) << "received cards show raised";
            EXPECT_FALSE(showsFile(h.Image1[c.targets[k]], core::facefile(before[raised[k]])))
                << "the seat's cards stay face down";
        }
        int changed = 0;
        for (int slot = 1; slot <= 52; ++slot) changed += h.table.deckorder[slot] != before[slot];
        EXPECT_EQ(changed, 6);
        EXPECT_EQ(h.Command1.Caption.get(), "Start Hand");
        EXPECT_TRUE(h.Command1.Enabled);
        click(h.Image1[44]);
        EXPECT_DOUBLE_EQ(h.Image1[44].Top, 5880) << "no more choosing after the pass";
        click(h.Command1);
        EXPECT_FALSE(h.Command1.Visible);
        for (int slot : raised) EXPECT_DOUBLE_EQ(h.Image1[slot].Top, 5880);
        h.newgame1_Click();
    }
}

TEST_F(HeartsPass, AHandWithoutPassingStartsAtOnceAndIgnoresEarlyClicks) {
    hearts& h = openGame<hearts>();
    nextHand(h, "4");
    EXPECT_EQ(h.Command1.Caption.get(), "Start Hand");
    EXPECT_TRUE(h.Command1.Enabled);
    EXPECT_TRUE(h.Enabled);
    const auto tags = h.table.tag;
    for (int slot : heartsrules::slotsOf(heartsrules::kUser)) click(h.Image1[slot]);
    for (int slot : heartsrules::slotsOf(heartsrules::kUser)) EXPECT_DOUBLE_EQ(h.Image1[slot].Top, 5880);
    EXPECT_EQ(h.table.tag, tags) << "no card is played before the hand starts";
    EXPECT_FALSE(h.Timer1.Enabled);
}

}  // namespace
