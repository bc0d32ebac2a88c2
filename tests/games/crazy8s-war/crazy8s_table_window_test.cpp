#include "crazy8s_fixture.h"

#include "games/crazy8s-war/crazy8s_layout.h"

#include "common/names.h"
#include "common/settings.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/files.h"

#include <algorithm>
#include <set>
#include <string>

using namespace crazy8srules;

namespace {

struct SizeCase {
    int width, height;
    float scale;
    double smallFont;
};

TEST_F(Crazy8sTest, TheTableIsLaidOutAtEachScreenSize) {
    const SizeCase cases[] = {{1024, 768, 1.0f, 0}, {800, 600, 0.9f, 7}, {640, 480, 0.7f, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        crazy8s& g = openGame<crazy8s>();
        const double k = c.scale;
        EXPECT_EQ(g.scale, c.scale);
        EXPECT_NEAR(g.Width, 9750 * k, 0.01);
        if (c.width == 640)
            EXPECT_NEAR(g.Height, 8205 * k + 1000, 0.01);
        else
            EXPECT_GE(g.Height, 8205 * k);
        // The inside holds a full hand: the last of the four rows of the user's cards.
        const Place last = userslot(28, c.scale);
        EXPECT_GE(g.ScaleHeight(), last.top + 1440 * k);
        EXPECT_LE(last.left + 1065 * k, g.ScaleWidth());
        for (int card = 1; card <= 52; ++card) {
            EXPECT_NEAR(g.Image1[card].Width, 1065 * k, 0.01) << card;
            EXPECT_NEAR(g.Image1[card].Height, 1440 * k, 0.01) << card;
        }
        for (int back = 1; back <= 28; ++back) {
            EXPECT_NEAR(g.compcard[back].Width, 1065 * k, 0.01) << back;
            EXPECT_EQ(g.compcard[back].Left, backslot(back, c.scale).left) << back;
            EXPECT_EQ(g.compcard[back].Top, backslot(back, c.scale).top) << back;
        }
        for (int slot = 1; slot <= 7; ++slot) {
            EXPECT_EQ(g.Image1[slot].Left, userslot(slot, c.scale).left) << slot;
            EXPECT_EQ(g.Image1[slot].Top, userslot(slot, c.scale).top) << slot;
            EXPECT_EQ(g.Image1[slot + 7].Left, compslot(slot, c.scale).left) << slot;
            EXPECT_EQ(g.Image1[slot + 7].Top, 500) << slot;
        }
        EXPECT_NEAR(g.Image1[kStarter].Left, 5040 * k, 0.01);
        EXPECT_NEAR(g.Image1[kStarter].Top, 2880 * k, 0.01);
        EXPECT_NEAR(g.Image2.Left, 5040 * k, 0.01);
        EXPECT_NEAR(g.Image2.Width, 1575 * k, 0.01);
        EXPECT_NEAR(g.Command1.Left, 3480 * k, 0.01);
        EXPECT_NEAR(g.Command1.Height, 1695 * k, 0.01);
        EXPECT_NEAR(g.Frame2.Width, 9735 * k, 0.01);
        EXPECT_NEAR(g.Frame2.Height, 2175 * k, 0.01);
        EXPECT_NEAR(g.Label1.Top, 4920 * k, 0.01);
        EXPECT_NEAR(g.Label2.Top, 2280 * k, 0.01);
        // The computer's cards lie under its frame, which shows only its backs.
        EXPECT_LE(g.Image1[8].Top + g.Image1[8].Height, g.Frame2.Height);
        for (platform::Label* label : {&g.Label1, &g.Label2}) {
            if (c.smallFont) {
                EXPECT_EQ(label->Font.Size.get(), c.smallFont);
            } else {
                EXPECT_NE(label->Font.Size.get(), 7);
            }
        }
        g.Unload();
        settle();
    }
}

TEST_F(Crazy8sTest, LoadDealsSevenCardsEachAndLocksTheMainWindow) {
    crazy8s& g = openGame<crazy8s>();
    EXPECT_EQ(g.Caption.get(), "Crazy 8s");
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(g.Label1.Caption.get(), "Guest");
    EXPECT_NE(std::find(common::oppnames.begin(), common::oppnames.end(), g.Label2.Caption.get()),
              common::oppnames.end());
    EXPECT_TRUE(g.deal.Visible);
    EXPECT_FALSE(g.deal.Enabled) << "New Game deals at once";
    EXPECT_TRUE(g.newgame.Enabled);
    EXPECT_TRUE(g.onsound.Checked);
    EXPECT_TRUE(showsFile(g.Command1, core::stockfull));
    EXPECT_TRUE(g.Command1.Enabled);
    EXPECT_EQ(backsShown(g), 7);
    std::set<int> codes;
    for (int k = 1; k <= 52; ++k) {
        codes.insert(g.table.deckorder[k]);
        const bool user = k <= 7;
        EXPECT_EQ(g.Image1[k].Tag.get(), user ? "100" : k <= 14 ? "200" : k == 15 ? "38" : std::to_string(k - 15));
        EXPECT_EQ(g.Image1[k].DragMode.get(), user ? platform::vbAutomatic : platform::vbManual) << k;
        EXPECT_TRUE(g.Image1[k].Enabled) << k;
        const bool faceup = user || k == kStarter;
        EXPECT_TRUE(showsFile(g.Image1[k], faceup ? core::facefile(g.table.deckorder[k]) : std::string(core::backfile)))
            << k;
        if (k > kStarter) {
            EXPECT_EQ(g.Image1[k].Left, kOutside) << k;
        }
    }
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_EQ(g.table.activesuit, core::suitofcode(g.table.deckorder[kStarter]));
    EXPECT_FALSE(g.Timer3.Enabled);
}

TEST_F(Crazy8sTest, MenusSwitchSoundShowTheRulesAndExitReleasesTheMainWindow) {
    crazy8s& g = openGame<crazy8s>();
    chooseMenu(g.off);
    EXPECT_TRUE(g.off.Checked);
    EXPECT_FALSE(g.onsound.Checked);
    EXPECT_EQ(platform::readSetting("\\Data\\crazy8ssound.dat"), "NO");
    chooseMenu(g.onsound);
    EXPECT_EQ(platform::readSetting("\\Data\\crazy8ssound.dat"), "YES");
    chooseMenu(g.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\crazy8s.html"});
    chooseMenu(g.exit);
    EXPECT_EQ(platform::loaded<crazy8s>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

TEST_F(Crazy8sTest, ASwitchFileOtherThanYesMeansNoSound) {
    platform::writeSetting(common::switchfile("crazy8s"), "yes");
    crazy8s& g = openWith(kRaceUser, kRaceCompEight, "2H");
    EXPECT_TRUE(g.off.Checked);
    play(g, "3H");
    EXPECT_TRUE(sounds.played().empty());
}

}  // namespace
