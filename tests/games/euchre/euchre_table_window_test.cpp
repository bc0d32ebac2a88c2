#include "euchre_fixture.h"

#include "core/cards.h"
#include "core/euchrecards.h"
#include "core/numbers.h"
#include "games/euchre/euchre_layout.h"
#include "platform/files.h"

#include <array>
#include <set>
#include <string>

using namespace euchrerules;

namespace {

TEST_F(EuchreTest, TheTableIsLaidOutAtEachScreenSize) {
    const struct { int width, height; float scale; double extraWidth, font; } cases[] = {
        {1024, 768, 1.0f, 0, 9.75}, {800, 600, 0.88f, 0, 7}, {640, 480, 0.66f, 900, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        boxes.expect("Make Trump Suit?", platform::vbNo);
        euchre& e = openDealt(2, kQuietDeal);
        const double s = c.scale;
        EXPECT_EQ(e.scale, c.scale);
        EXPECT_NEAR(e.Width, 10530 * s + c.extraWidth, 0.01);
        EXPECT_NEAR(e.Height, 8160 * s + 1300, 0.01);
        EXPECT_GE(e.ScaleHeight(), e.Label11.Top + e.Label11.Height) << "the user's name shows";
        EXPECT_GE(e.ScaleWidth(), e.compcard[11].Left + e.compcard[11].Width) << "the right seat's cards show";
        EXPECT_EQ(e.Label3.Font.Size.get(), c.font);
        EXPECT_EQ(e.Label10.Font.Size.get(), c.font == 7 ? 7 : 12);
        // Cards take the size of a face (71 x 96 pixels), then the scale; side backs lie turned.
        for (int slot = 1; slot <= 5; ++slot) {
            const Place row = userRowPlace(slot, c.scale);
            EXPECT_NEAR(e.Image1[slot].Left, row.left, 0.01) << slot;
            EXPECT_NEAR(e.Image1[slot].Top, 6480 * s, 0.01) << slot;
            EXPECT_NEAR(e.Image1[slot].Width, 1065 * s, 0.01) << slot;
            EXPECT_NEAR(e.Image1[slot].Height, 1440 * s, 0.01) << slot;
        }
        for (int k = 1; k <= 15; ++k) {
            const bool side = k > 5;
            EXPECT_TRUE(e.compcard[k].Visible) << k;
            EXPECT_NEAR(e.compcard[k].Width, (side ? 1440 : 1065) * s, 0.01) << k;
            EXPECT_NEAR(e.compcard[k].Height, (side ? 1065 : 1440) * s, 0.01) << k;
            EXPECT_TRUE(showsFile(e.compcard[k], side ? core::sidebackfile : core::backfile)) << k;
        }
        EXPECT_NEAR(e.compcard[1].Left, 7320 * s, 0.01);
        EXPECT_NEAR(e.compcard[6].Top, 1320 * s, 0.01);
        EXPECT_NEAR(e.compcard[15].Top, 1320 * s, 0.01);
        EXPECT_NEAR(e.Image3.Left, 4920 * s, 0.01);
        EXPECT_NEAR(e.Image3.Width, 1065 * s, 0.01);
        EXPECT_NEAR(e.Frame1.Left, 4680 * s, 0.01);
        EXPECT_NEAR(e.Frame1.Width, 1575 * s, 0.01);
        for (platform::Image* button : {&e.Image6, &e.Image7, &e.Image8, &e.Image9}) {
            EXPECT_NEAR(button->Top, 600 * s, 0.01);
            EXPECT_NEAR(button->Width, 345 * s, 0.01);
            EXPECT_NEAR(button->Height, 315 * s, 0.01);
        }
        // The load's deal and a later one put the marker, the arrow and the row in the same places.
        const Place marker = dealerPlace(2, c.scale), arrow = arrowPlace(3, c.scale);
        EXPECT_NEAR(e.Image2.Left, marker.left, 0.01);
        EXPECT_NEAR(e.Image2.Top, marker.top, 0.01);
        EXPECT_NEAR(e.Image5.Left, arrow.left, 0.01);
        EXPECT_NEAR(e.Image5.Top, arrow.top, 0.01);
        e.dealKnown(euchretest::order(kQuietDeal));
        EXPECT_NEAR(e.Image2.Left, marker.left, 0.01);
        EXPECT_NEAR(e.Image5.Top, arrow.top, 0.01);
        EXPECT_NEAR(e.Image1[5].Left, 7320 * s, 0.01);
        EXPECT_NEAR(e.Image1[1].Width, 1065 * s, 0.01);
        EXPECT_FALSE(e.Image2.Visible);
        EXPECT_FALSE(e.Image5.Visible);
        e.Unload();
        settle();
    }
}

TEST_F(EuchreTest, LoadDealsEachCardOnceAndTheFirstActivationStartsTheBidding) {
    euchre& e = openTable();
    EXPECT_EQ(e.Caption.get(), "Euchre");
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(e.Label11.Caption.get(), "Guest");
    EXPECT_TRUE(e.Label12.Caption.get() == "Orvena" || e.Label12.Caption.get() == "Pelko");
    EXPECT_TRUE(e.Label13.Caption.get() == "Wendro" || e.Label13.Caption.get() == "Corlan");
    EXPECT_TRUE(e.Label14.Caption.get() == "Feyla" || e.Label14.Caption.get() == "Quilla");
    EXPECT_EQ(e.names, (std::array<std::string, 5>{"", e.Label12.Caption, e.Label13.Caption, "Guest", e.Label14.Caption}))
        << "the table keeps the names its labels show";
    std::set<int> codes;
    for (int slot = 1; slot <= 24; ++slot) {
        const int code = e.table.deckorder[slot];
        codes.insert(code);
        EXPECT_EQ(e.Image1[slot].Tag.get(), std::to_string(slot));
        EXPECT_EQ(e.table.cardused[code], -1);
        EXPECT_TRUE(showsFile(e.Image1[slot], core::euchrefacefile(code))) << slot;
        EXPECT_EQ(e.Image1[slot].Visible.get(), slot <= 5) << slot;
    }
    EXPECT_EQ(codes.size(), 24u);
    EXPECT_TRUE(showsFile(e.Image3, core::euchrefacefile(e.table.deckorder[21])));
    EXPECT_TRUE(e.Image3.Visible);
    EXPECT_FALSE(e.marks.firstactivation);
    EXPECT_GE(e.table.dealer, 1);
    EXPECT_LE(e.table.dealer, 4);
    EXPECT_EQ(e.table.teampoints[1], 0);
    EXPECT_EQ(e.table.teampoints[2], 0);
    EXPECT_FALSE(e.startgame.Enabled);
    EXPECT_TRUE(e.newgame.Enabled);
    EXPECT_TRUE(e.Timer1.Enabled) << "the first speaker is a computer seat with this seed";
    EXPECT_TRUE(e.onsound.Checked);
    EXPECT_TRUE(e.playtoten.Checked) << "the shipped target";
}

TEST_F(EuchreTest, EachDealSetsTheSpeakersByTheDealer) {
    const struct { int dealer, turn, lastbidder; bool asked; } cases[] = {
        {1, 2, 1, false}, {2, 3, 2, true}, {3, 4, 2, false}, {4, 1, 4, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dealer);
        if (c.asked) boxes.expect("Make Trump Suit?", platform::vbNo);
        euchre& e = openDealt(c.dealer, kQuietDeal);
        EXPECT_EQ(e.table.lastbidder, c.lastbidder);
        EXPECT_EQ(e.table.turn, c.turn);
        EXPECT_EQ(e.table.nextback, (std::array<int, 5>{0, 1, 11, 0, 6}));
        EXPECT_TRUE(showsFile(e.Image5, arrowfile(c.turn)));
        EXPECT_EQ(e.Timer1.Enabled.get(), true);
        e.Unload();
        settle();
    }
}

TEST_F(EuchreTest, PlayToTicksFollowTheFileExactly) {
    const struct { const char* file; int ticked; } cases[] = {
        {"8", 8}, {"10", 10}, {"12", 12}, {"9", 0}, {"", 0}, {"x", 0}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        platform::writeSetting("\\Data\\euchreto.dat", c.file);
        euchre& e = openTable();
        EXPECT_EQ(e.playtoeight.Checked.get(), c.ticked == 8);
        EXPECT_EQ(e.playtoten.Checked.get(), c.ticked == 10);
        EXPECT_EQ(e.playtotwelve.Checked.get(), c.ticked == 12);
        e.Unload();
        settle();
    }
}

TEST_F(EuchreTest, MenusStandInTheirDesignOrder) {
    euchre& e = openTable();
    EXPECT_EQ(gp::menuCaptions(e), (std::vector<std::string>{"File", "Play to", "View", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(e.file), (std::vector<std::string>{"New Game", "Start Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(e.playto), (std::vector<std::string>{"8", "10", "12"}));
    EXPECT_EQ(gp::menuCaptions(e.view), std::vector<std::string>{"Score"});
    EXPECT_EQ(gp::menuCaptions(e.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(e.help), std::vector<std::string>{"Rules"});
}

TEST_F(EuchreTest, SoundMenuRulesAndExit) {
    platform::writeSetting("\\Data\\euchresound.dat", "yes");
    euchre& e = openTable();
    EXPECT_TRUE(e.off.Checked) << "only exactly YES is on";
    chooseMenu(e.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\euchresound.dat"), "YES\r\n");
    EXPECT_TRUE(e.onsound.Checked);
    EXPECT_FALSE(e.off.Checked);
    chooseMenu(e.off);
    EXPECT_EQ(platform::readFile("\\Data\\euchresound.dat"), "NO\r\n");
    chooseMenu(e.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\euchre.html"});
    chooseMenu(e.exit);
    settle();
    EXPECT_EQ(platform::loaded<euchre>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

}  // namespace
