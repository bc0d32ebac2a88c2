#include "hearts_fixture.h"

#include "core/cards.h"
#include "platform/files.h"

#include <set>
#include <string>

using heartsrules::firstSlot;

namespace {

struct SizeCase {
    int width, height;
    float scale;
    double extraWidth, extraHeight, nameFont, buttonFont;
    core::ScreenKind screen;
};

TEST_F(HeartsTest, TableIsLaidOutAtEachScreenSize) {
    const SizeCase cases[] = {
        {1024, 768, 1.0f, 0, 0, 8.25, 9.75, core::ScreenKind::Other},
        {800, 600, 0.9f, 0, 0, 7, 8, core::ScreenKind::At800x600},
        {640, 480, 0.7f, 800, 1000, 7, 8, core::ScreenKind::At640x480},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        hearts& h = openGame<hearts>();
        const double s = c.scale;
        EXPECT_EQ(h.scale, c.scale);
        EXPECT_EQ(h.screen, c.screen);
        EXPECT_NEAR(h.Width, 10605 * s + c.extraWidth, 0.01);
        // At least the design height, and tall enough to show the user's name below the hand.
        EXPECT_GE(h.Height, 8160 * s + c.extraHeight - 0.01);
        EXPECT_GE(h.ScaleHeight(), h.Label5.Top + h.Label5.Height);
        EXPECT_LT(h.Height, 8160 * s + c.extraHeight + 400);
        const double cardWidth = 1065 * s, cardHeight = 1440 * s;
        for (int slot = 1; slot <= 52; ++slot) {
            const bool side = slot <= 26;
            EXPECT_NEAR(h.Image1[slot].Width, side ? cardHeight : cardWidth, 0.01) << slot;
            EXPECT_NEAR(h.Image1[slot].Height, side ? cardWidth : cardHeight, 0.01) << slot;
            EXPECT_NEAR(h.Image1[slot].Left, heartsrules::fanPlace(slot, c.scale).left, 0.01) << slot;
            EXPECT_NEAR(h.Image1[slot].Top, heartsrules::fanPlace(slot, c.scale).top, 0.01) << slot;
        }
        EXPECT_NEAR(h.Image1[40].Left, 3000 * s, 0.01);
        EXPECT_NEAR(h.Image1[1].Top, 1800 * s, 0.01);
        const std::pair<platform::Label*, std::array<double, 2>> names[] = {
            {&h.Label5, {4440, 7440}}, {&h.Label6, {4440, 240}}, {&h.Label7, {8520, 1440}}, {&h.Label8, {240, 1440}}};
        for (const auto& [label, at] : names) {
            EXPECT_NEAR(label->Left, at[0] * s, 0.01);
            EXPECT_NEAR(label->Top, at[1] * s, 0.01);
            EXPECT_NEAR(label->Width, 1815 * s, 0.01);
            EXPECT_EQ(label->Font.Size.get(), c.nameFont);
        }
        EXPECT_NEAR(h.Command1.Left, 4320 * s, 0.01);
        EXPECT_NEAR(h.Command1.Top, 4680 * s, 0.01);
        EXPECT_NEAR(h.Command1.Width, 2055 * s, 0.01);
        EXPECT_EQ(h.Command1.Font.Size.get(), c.buttonFont);
        h.Unload();
        settle();
    }
}

TEST_F(HeartsTest, LoadDealsTheUsersFacesAndBacksElsewhere) {
    hearts& h = openGame<hearts>();
    EXPECT_EQ(h.Caption.get(), "Hearts");
    EXPECT_EQ(h.Label5.Caption.get(), "Guest");
    EXPECT_TRUE(h.Label6.Caption.get() == "Orvena" || h.Label6.Caption.get() == "Pelko");
    EXPECT_TRUE(h.Label7.Caption.get() == "Wendro" || h.Label7.Caption.get() == "Corlan");
    EXPECT_TRUE(h.Label8.Caption.get() == "Feyla" || h.Label8.Caption.get() == "Quilla");
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    std::set<int> dealt;
    for (int slot = 1; slot <= 52; ++slot) {
        const int code = h.table.deckorder[slot];
        dealt.insert(code);
        EXPECT_EQ(h.table.tag[slot], heartsrules::seatOfSlot(slot));
        EXPECT_TRUE(h.Image1[slot].Enabled);
        if (slot >= 40)
            EXPECT_TRUE(showsFile(h.Image1[slot], core::facefile(code))) << slot;
        else
            EXPECT_TRUE(showsFile(h.Image1[slot], slot <= 26 ? core::sidebackfile : core::backfile)) << slot;
    }
    EXPECT_EQ(dealt.size(), 52u);
    EXPECT_EQ(h.Command1.Caption.get(), "Pass Left");
    EXPECT_TRUE(h.Command1.Visible);
    EXPECT_FALSE(h.Command1.Enabled);
    EXPECT_EQ(h.table.totals, (std::array<int, 5>{}));
    EXPECT_TRUE(h.onsound.Checked);
    EXPECT_TRUE(h.jackrule.Checked) << "the shipped rule file holds YES";
    EXPECT_FALSE(h.Timer1.Enabled || h.Timer2.Enabled || h.Timer3.Enabled);
}

TEST_F(HeartsTest, ExitFreesTheMainWindow) {
    hearts& h = openGame<hearts>();
    chooseMenu(h.exit);
    EXPECT_EQ(platform::loaded<hearts>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

TEST_F(HeartsTest, ClosingTheTableClosesItsScoresAndAFreshTableStartsAtZero) {
    hearts& h = openGame<hearts>();
    chooseMenu(h.showscore);
    ASSERT_NE(platform::loaded<heartsscore>(), nullptr);
    EXPECT_FALSE(h.Enabled);
    h.Unload();
    settle();
    EXPECT_EQ(platform::loaded<hearts>(), nullptr);
    EXPECT_EQ(platform::loaded<heartsscore>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
    hearts& again = open<hearts>();
    EXPECT_EQ(again.table.totals[1], 0);
    EXPECT_EQ(again.Command1.Caption.get(), "Pass Left");
}

TEST_F(HeartsTest, JackRuleTickShowsExactlyWhetherTheRuleIsInForce) {
    const struct { const char* file; bool ticked; const char* afterClick; } cases[] = {
        {"YES", true, "NO"}, {"NO", false, "YES"}, {"yes", false, "YES"}, {"", false, "YES"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        platform::writeSetting("\\jackrule.dat", c.file);
        hearts& h = openGame<hearts>();
        EXPECT_EQ(h.jackrule.Checked.get(), c.ticked);
        EXPECT_EQ(h.jackruleon(), c.ticked);
        chooseMenu(h.jackrule);
        EXPECT_EQ(platform::readFile("\\jackrule.dat"), std::string(c.afterClick) + "\r\n");
        EXPECT_EQ(h.jackrule.Checked.get(), !c.ticked);
        EXPECT_EQ(h.jackruleon(), !c.ticked);
        chooseMenu(h.jackrule);
        EXPECT_EQ(h.jackrule.Checked.get(), c.ticked);
        if (c.ticked || std::string(c.file) == "NO") {
            EXPECT_EQ(platform::readFile("\\jackrule.dat"), std::string(c.file) + "\r\n");
        }
        h.Unload();
        settle();
    }
}

TEST_F(HeartsTest, MenusStandInTheirDesignOrder) {
    hearts& h = openGame<hearts>();
    EXPECT_EQ(gp::menuCaptions(h), (std::vector<std::string>{"File", "View", "Settings", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(h.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(h.view), std::vector<std::string>{"Score"});
    EXPECT_EQ(gp::menuCaptions(h.options), std::vector<std::string>{"Jack of Diamonds Rule"});
    EXPECT_EQ(gp::menuCaptions(h.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(h.help), std::vector<std::string>{"Rules"});
}

TEST_F(HeartsTest, SoundMenuAndRules) {
    hearts& h = openGame<hearts>();
    chooseMenu(h.off);
    EXPECT_EQ(platform::readFile("\\Data\\heartssound.dat"), "NO\r\n");
    EXPECT_TRUE(h.off.Checked);
    click(h.Image1[40]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(h.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\heartssound.dat"), "YES\r\n");
    click(h.Image1[41]);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    chooseMenu(h.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\hearts.html"});
}

}  // namespace
